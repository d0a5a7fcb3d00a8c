#include "oif/impl/oif_LoadKeyword.h"

oif_LoadKeyword::oif_LoadKeyword(const oif_KeywordForm& form, std::shared_ptr<const kloC_Load> load,
                                 std::size_t step, const cow_String& regionName, double scale)
    : load_(std::move(load)),
      kindLoad_(dynamic_cast<const kloC_KindLoad*>(load_.get())),
      kind_(kindLoad_ ? kindLoad_->Kind() : kloC_LoadKind::Count),
      step_(step), region_(regionName), form_(form), scale_(scale) {
  if (kindLoad_) {
    const auto& amplitude = kindLoad_->ConstGetStateQuad(step_).amplitude;
    if (amplitude.IsSet()) amplitude_ = amplitude.ConstGet();
  } else if (const auto* bolt = dynamic_cast<const kloC_BoltLoad*>(load_.get())) {
    const auto& amplitude = bolt->ConstGetState(step_).amplitude;
    if (amplitude.IsSet()) amplitude_ = amplitude.ConstGet();
  }
}

const kloC_LoadState& oif_LoadKeyword::State() const {
  const kloC_KindLoad* load = KindLoad();
  NEX_ASSERT(load != nullptr);
  return load->ConstGetStateQuad(step_);
}

void oif_LoadKeyword::WriteLine(utl_Stream& stream, const char* keyword, int loadCase, bool follower) const {
  oif_KeywordLine line(stream, keyword);
  line.OpNew(form_.opNew);
  if (!form_.removed) {
    if (follower) line.Flag("follower");
    if (!amplitude_.empty()) line.Name("amplitude", amplitude_);
    if (loadCase == 1 || loadCase == 2) line.Param("load case", loadCase);
  }
  line.End();
}
