#include "oif/impl/oif_VariableOutput.h"

#include <algorithm>

#include "modeldb/korC_OdbRequestTable.h"
#include "modeldb/rgnC_SetData.h"
#include "oif/impl/oif_KeywordLine.h"

namespace {

constexpr unsigned kNodeSet = 1u << rgnC_SetData::NodeSet;
constexpr unsigned kElementSet = 1u << rgnC_SetData::ElementSet;
constexpr unsigned kSurface = 1u << rgnC_SetData::Surface;

// clang-format off
constexpr oif_VariableKeywordRow kNode          = {"*Node Output",           {korC_NodeKind, -1},                    8, "nset",    kNodeSet,             false};
constexpr oif_VariableKeywordRow kContact       = {"*Contact Output",        {korC_ContactKind, korC_CohesiveKind}, 16, nullptr,   kNodeSet | kSurface,  false};
constexpr oif_VariableKeywordRow kModal         = {"*Modal Output",          {korC_ModalKind, -1},                  16, nullptr,   0,                    true};
constexpr oif_VariableKeywordRow kEnergy        = {"*Energy Output",         {korC_EnergyKind, -1},                 16, "elset",   kElementSet,          false};
constexpr oif_VariableKeywordRow kIncrementation = {"*Incrementation Output", {korC_IncrementationKind, -1},       16, nullptr,   0,                    false};
constexpr oif_VariableKeywordRow kRadiation     = {"*Radiation Output",      {korC_RadiationKind, -1},              16, "elset",   kElementSet,          true};
constexpr oif_VariableKeywordRow kIntegrated    = {"*Integrated Output",     {korC_IntegratedKind, -1},             16, "section", 0,                    false};
// clang-format on

}  // namespace

void oif_WriteVariableLines(utl_Stream& stream, const std::vector<std::string>& variables, int perLine) {
  if (variables.empty()) return;
  oif_DataLine data(stream);
  data.PerLine(perLine);
  for (const std::string& variable : variables) data << variable.c_str();
  // A single variable ends with a separator.
  if (variables.size() == 1)
    data.EndWithSeparator();
  else
    data.End();
}

std::vector<std::string> oif_VariableOutput::Kept() const {
  std::vector<std::string> kept;
  for (const std::string& key : request_.variables) {
    const korC_OdbRequestInfo* parent = korC_OdbRequestTable::ParentOf(key);
    if (parent == nullptr) continue;
    const korC_OdbRequestInfo* row = korC_OdbRequestTable::Lookup(parent->name, request_.procedureType);
    if (row == nullptr || (row->kind != row_->kinds[0] && row->kind != row_->kinds[1])) continue;
    const std::string name = row->printName ? row->printName : row->name;
    if (std::find(kept.begin(), kept.end(), name) == kept.end()) kept.push_back(name);
  }
  return kept;
}

bool oif_VariableOutput::TakesRegion() const {
  if (request_.regionSetKind < 0) return true;
  return (row_->regionSets >> request_.regionSetKind & 1u) != 0;
}

void oif_VariableOutput::WriteRegion(oif_KeywordLine& line) const {
  if (row_->regionParam != nullptr && !request_.region.empty()) line.Param(row_->regionParam, request_.region);
}

void oif_VariableOutput::Write(utl_Stream& stream) const {
  if (!TakesRegion()) return;
  const bool preselect = request_.preselect && !row_->allOnly;
  const std::vector<std::string> kept = Kept();
  if (kept.empty() && !preselect && !request_.all) return;
  oif_KeywordLine line(stream, row_->keyword);
  WriteRegion(line);
  if (request_.all) {
    line.Param("variable", "ALL");
  } else if (preselect) {
    line.Param("variable", "PRESELECT");
  } else {
    line.End();
    oif_WriteVariableLines(stream, kept, row_->perLine);
    return;
  }
  line.End();
}

oif_NodeOutput::oif_NodeOutput(oif_VariableRequest request, bool alwaysLine)
    : oif_VariableOutput(kNode, std::move(request)), alwaysLine_(alwaysLine) {}

void oif_NodeOutput::Write(utl_Stream& stream) const {
  if (alwaysLine_ && Kept().empty() && !request_.preselect && !request_.all && TakesRegion()) {
    oif_KeywordLine line(stream, row_->keyword);
    WriteRegion(line);
    line.End();
    return;
  }
  oif_VariableOutput::Write(stream);
}

oif_ContactOutput::oif_ContactOutput(oif_VariableRequest request, cow_String master, cow_String slave,
                                     cow_String contactPair, bool explicitGeneralContact)
    : oif_VariableOutput(kContact, std::move(request)),
      master_(std::move(master)),
      slave_(std::move(slave)),
      contactPair_(std::move(contactPair)),
      explicitGeneralContact_(explicitGeneralContact) {}

void oif_ContactOutput::WriteRegion(oif_KeywordLine& line) const {
  if (explicitGeneralContact_) return;
  const bool surface = request_.regionSetKind == rgnC_SetData::Surface;
  if (!surface && !request_.region.empty()) line.Param("nset", request_.region);
  if (!master_.empty()) line.Param("master", master_);
  if (!slave_.empty()) line.Param("slave", slave_);
  if (!contactPair_.empty()) line.Param("cpset", contactPair_);
  if (surface && !request_.region.empty()) line.Param("surface", request_.region);
}

oif_ModalOutput::oif_ModalOutput(oif_VariableRequest request) : oif_VariableOutput(kModal, std::move(request)) {}
oif_EnergyOutput::oif_EnergyOutput(oif_VariableRequest request) : oif_VariableOutput(kEnergy, std::move(request)) {}
oif_IncrementationOutput::oif_IncrementationOutput(oif_VariableRequest request)
    : oif_VariableOutput(kIncrementation, std::move(request)) {}
oif_RadiationOutput::oif_RadiationOutput(oif_VariableRequest request)
    : oif_VariableOutput(kRadiation, std::move(request)) {}
oif_IntegratedOutput::oif_IntegratedOutput(oif_VariableRequest request)
    : oif_VariableOutput(kIntegrated, std::move(request)) {}
