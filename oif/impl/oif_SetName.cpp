#include "oif/impl/oif_SetName.h"

#include <vector>

#include "oif/impl/oif_Model.h"
#include "zkw/zkw_VelornName.h"

namespace {
std::vector<cow_String> SplitAtDots(const cow_String& text) {
  std::vector<cow_String> pieces;
  std::size_t start = 0;
  for (;;) {
    const std::size_t dot = text.find('.', start);
    pieces.push_back(text.substr(start, dot == cow_String::npos ? cow_String::npos : dot - start));
    if (dot == cow_String::npos) return pieces;
    start = dot + 1;
  }
}
}  // namespace

bool IsQuoted(const cow_String& text) {
  return text.size() > 2 && text.front() == '"' && text.back() == '"';
}

cow_String Unquote(const cow_String& text) { return IsQuoted(text) ? text.substr(1, text.size() - 2) : text; }

std::pair<cow_String, cow_String> SplitQualified(const cow_String& text) {
  if (text.empty()) return {};
  std::vector<cow_String> pieces = SplitAtDots(text);
  cow_String prefix;
  for (std::size_t i = 0; i + 1 < pieces.size(); ++i) prefix += pieces[i] + ".";
  return {prefix, pieces.back()};
}

cow_String PrintableQualified(const cow_String& text) {
  cow_String result;
  std::vector<cow_String> pieces = SplitAtDots(text);
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (i > 0) result += '.';
    result += IsQuoted(pieces[i]) ? pieces[i] : zkw_VelornName(pieces[i]).Printable();
  }
  return result;
}

oif_SetName::oif_SetName(const rgnC_Region& region, zkw_ModelInfo& info) {
  const ddb_Model& model = oif_ModelOf(info.Model()).DdbModel();
  if (!region.IsValid(model)) return;
  const int setIndex = region.ConstSet();
  if (region.OnAssembly()) {
    const ddb_Set& set = model.rootAssembly().set(setIndex);
    label_ = set.setLabel();
    nodeSet_ = set.setType() == ddb_Set::NodeSet;
    return;
  }
  const int meshIndex = region.MeshIndex();
  for (auto& [name, instance] : model.rootAssembly().instance()) {
    if (!instance->isPartInstance()) continue;
    const auto& partInstance = nex_canDynamicCastRef<ddb_PartInstance>(*instance, "oif_SetName", 79);
    if (partInstance.mesh().index() != meshIndex) continue;
    const ddb_Set& set = partInstance.set(setIndex);
    label_ = set.setLabel();
    instance_ = name;
    nodeSet_ = set.setType() == ddb_Set::NodeSet;
    return;
  }
}

cow_String oif_SetName::Qualified(int level) const {
  return level == 2 && !instance_.empty() ? instance_ + "." + label_ : label_;
}

cow_String oif_SetName::Name(int level) const { return PrintableQualified(Qualified(level)); }

cow_String oif_SetName::Name(const cow_String& label, int level) {
  label_ = label;
  return Name(level);
}

cow_String oif_SetName::SurfaceName(int level) const {
  cow_String text = Qualified(level);
  if (nodeSet_) {
    for (char& c : text)
      if (c == '.') c = '_';
    text += "_CNS_";
  }
  return PrintableQualified(text);
}
