#include "oif/impl/oif_ElementOutput.h"

#include <algorithm>

#include "modeldb/korC_OdbRequestTable.h"
#include "modeldb/rgnC_SetData.h"
#include "oif/impl/oif_KeywordLine.h"

namespace {
constexpr oif_VariableKeywordRow kElement = {"*Element Output", {korC_ElementKind, korC_CohesiveKind}, 16, "elset",
                                             1u << rgnC_SetData::ElementSet, false};
constexpr std::size_t kPointsPerGroup = 16;
}  // namespace

oif_ElementOutput::oif_ElementOutput(oif_VariableRequest request, int channel, bool rebar, bool directions,
                                     std::vector<int> sectionPoints)
    : oif_VariableOutput(kElement, std::move(request)),
      channel_(channel),
      rebar_(rebar),
      directions_(directions),
      sectionPoints_(std::move(sectionPoints)) {}

std::vector<std::string> oif_ElementOutput::ElementKept() const {
  std::vector<std::string> kept;
  for (const std::string& key : request_.variables) {
    const bool component = korC_OdbRequestTable::IsComponentRequest(key);
    if (!component && !korC_OdbRequestTable::IsParentRequest(key)) continue;
    const korC_OdbRequestInfo* parent = korC_OdbRequestTable::ParentOf(key);
    const korC_OdbRequestInfo* row = korC_OdbRequestTable::Lookup(parent->name, request_.procedureType);
    if (row == nullptr) continue;
    const bool cohesiveDirect = row->kind == korC_CohesiveKind && !component && sectionPoints_.empty();
    if (row->kind != korC_ElementKind && !cohesiveDirect) continue;
    const std::string name = rebar_ ? key : (row->printName ? row->printName : row->name);
    if (std::find(kept.begin(), kept.end(), name) == kept.end()) kept.push_back(name);
  }
  return kept;
}

void oif_ElementOutput::Write(utl_Stream& stream) const {
  if (!TakesRegion()) return;
  std::vector<std::string> kept = ElementKept();
  const bool preset = request_.preselect || request_.all;
  if (kept.empty() && !preset) return;
  // A plastic strain tensor is written with its equivalent.
  if (!preset && std::find(kept.begin(), kept.end(), "PE") != kept.end() &&
      std::find(kept.begin(), kept.end(), "PEEQ") == kept.end())
    kept.push_back("PEEQ");
  const std::size_t groups = sectionPoints_.empty() ? 1 : (sectionPoints_.size() + kPointsPerGroup - 1) / kPointsPerGroup;
  for (std::size_t g = 0; g < groups; ++g) {
    oif_KeywordLine line(stream, "*Element Output");
    if (!request_.region.empty()) line.Param("elset", request_.region);
    if (rebar_) line.FlagNoBreak("rebar");
    if (channel_ == kprC_FieldChannel) line.ParamNoBreak("directions", directions_ ? "YES" : "NO");
    if (request_.preselect)
      line.Param("variable", "PRESELECT");
    else if (request_.all)
      line.Param("variable", "ALL");
    line.End();
    const std::size_t first = g * kPointsPerGroup;
    const std::size_t last = std::min(sectionPoints_.size(), first + kPointsPerGroup);
    if (first < last) {
      // Every section point ends with its separator.
      oif_DataLine data(stream);
      for (std::size_t i = first; i < last; ++i) data << sectionPoints_[i];
      data.EndWithSeparator();
    }
    if (!preset) oif_WriteVariableLines(stream, kept, 16);
  }
}
