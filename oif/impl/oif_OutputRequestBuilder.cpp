#include "oif/impl/oif_OutputRequestBuilder.h"

#include <algorithm>

#include "modeldb/korC_OdbRequestTable.h"
#include "modeldb/kprC_Procedure.h"
#include "oif/impl/oif_Comment.h"
#include "oif/impl/oif_Controls.h"
#include "oif/impl/oif_DiagnosticPrint.h"
#include "oif/impl/oif_ElementOutput.h"
#include "oif/impl/oif_Monitor.h"
#include "oif/impl/oif_Output.h"
#include "oif/impl/oif_Restart.h"
#include "oif/impl/oif_SetName.h"
#include "oif/impl/oif_VariableOutput.h"
#include "zkw/zkw_Model.h"
#include "zkw/zkw_ModelInfo.h"

namespace {

/// Requests of kind 5 are kept by the model but never written.
constexpr int kExcludedKind = 5;

/// Whether a request is written in the step at `index`.
bool Written(const korC_OutputRequest& request, std::size_t index) {
  return !request.suppressed && request.IsActive(index) && request.kind != kExcludedKind;
}

/// Whether any request of a channel is to be written in the step at `index`.
template <class Container>
bool HasOutput(const Container& requests, std::size_t index) {
  for (const auto& [name, request] : requests)
    if (Written(*request, index)) return true;
  return false;
}

/// Whether the catalogue rejects every variable that a record names.
bool Rejected(const korC_OdbRequest& record) {
  if (record.preselect || record.all || record.variables.empty()) return false;
  return korC_OdbRequestTable::GetInvalidPrintIdentifiers(record.variables, record.procedureType, record.channel)
             .size() == record.variables.size();
}

}  // namespace

oif_OutputRequestBuilder::oif_OutputRequestBuilder(zkw_ModelInfo& info) : zkw_BuilderComponent(info) {}

zkw_BuilderComponent* oif_OutputRequestBuilder::Clone() const { return new oif_OutputRequestBuilder(*this); }

void oif_OutputRequestBuilder::Build() {
  const kprC_StepContainer steps = model->Steps();
  const std::vector<cow_String> names = steps.Keys();
  const auto fieldRequests = model->FieldOutputRequests();
  const auto historyRequests = model->HistoryOutputRequests();
  previousPrint_.reset();
  for (std::size_t k = 1; k < names.size(); ++k) {
    const cow_String& name = names[k];
    const auto& step = nex_canDynamicCastRef<kprC_AnalysisStep>(steps.ConstGet(name), "oif_OutputRequestBuilder", 96);
    AddControls(name, step);
    AddSolverControls(name, step);

    const unsigned procedure = kprC_ProcedureType(step);
    const auto& loadCases = nex_canDynamicCastRef<mdl_MapString2ObjCow<klcC_LoadCase>>(
        step.loadCaseRepository(), "oif_OutputRequestBuilder", 121);
    const cow_String monitorNode =
        step.monitor() ? oif_SetName(step.monitor()->region, *info).Name(2) : cow_String();
    const bool field = HasOutput(fieldRequests, k);
    const bool history = loadCases.Size() == 0 && HasOutput(historyRequests, k);
    if (field || history || step.restart() || step.diagnosticPrint() || !monitorNode.empty())
      AddStepDefinition(name, oif_Comment("\nOUTPUT REQUESTS\n"));
    if (step.restart()) AddStepDefinition(name, oif_Restart(step.restart_));
    AddDiagnosticPrint(name, step, k == 1);
    if (!monitorNode.empty()) AddStepDefinition(name, oif_Monitor(step.monitor_, monitorNode));

    const auto* explicitStep = dynamic_cast<const kprC_ExplicitStep*>(&step);
    const double timePeriod = explicitStep ? explicitStep->timePeriod : 0.0;
    AddChannel(name, field ? Collect(fieldRequests, k, procedure) : std::vector<korC_OdbRequest>(),
               kprC_FieldChannel, procedure, timePeriod);
    // A step with load cases collects no history request; the channel's
    // default request is registered all the same.
    AddChannel(name, history ? Collect(historyRequests, k, procedure) : std::vector<korC_OdbRequest>(),
               kprC_HistoryChannel, procedure, timePeriod);
  }
}

void oif_OutputRequestBuilder::AddControls(const cow_String& name, const kprC_AnalysisStep& step) {
  const kprC_Controls* controls = step.controls();
  if (controls == nullptr) return;
  if (!controls->propagated) AddStepDefinition(name, oif_Comment("\nCONTROLS\n"));
  // The quasi-Newton technique changes the default number of line searches.
  const bool lineSearch = step.solutionTechnique == kprC_Step::TECHNIQUE_QUASI_NEWTON;
  const oif_ControlsRow* row = oif_FindControlsRow(*controls);
  if (row == nullptr) nex_TextException("Unimplemented controls type").Throw("oif_OutputRequestBuilder", __LINE__);
  row->add(*controls, lineSearch, [&](const zkw_Keyword& keyword) { AddStepDefinition(name, keyword); });
}

void oif_OutputRequestBuilder::AddSolverControls(const cow_String& name, const kprC_AnalysisStep& step) {
  const kprC_SolverControls* controls = step.solverControls();
  if (controls == nullptr) return;
  if (!controls->propagated) AddStepDefinition(name, oif_Comment("\nSOLVER CONTROLS\n"));
  AddStepDefinition(name, oif_SolverControls(*controls));
}

void oif_OutputRequestBuilder::AddDiagnosticPrint(const cow_String& name, const kprC_AnalysisStep& step,
                                                  bool first) {
  if (first) {
    if (step.isExplicit())
      previousPrint_ = std::make_shared<kprC_ExplicitDiagnosticPrint>();
    else
      previousPrint_ = std::make_shared<kprC_StandardDiagnosticPrint>();
  }
  if (!step.diagnosticPrint_) return;
  AddStepDefinition(name, oif_DiagnosticPrint(step.diagnosticPrint_, previousPrint_));
  if (dynamic_cast<const kprC_PerturbationDiagnosticPrint*>(step.diagnosticPrint_.get()) != nullptr) {
    // A perturbation step changes only the frequency and the solve flag of
    // the settings in force.
    const auto& settings = nex_canDynamicCastRef<kprC_PerturbationDiagnosticPrint>(
        *step.diagnosticPrint_, "oif_OutputRequestBuilder", 162);
    auto previous = std::make_shared<kprC_StandardDiagnosticPrint>(
        nex_canDynamicCastRef<kprC_StandardDiagnosticPrint>(*previousPrint_, "oif_OutputRequestBuilder", 164));
    previous->frequency = settings.frequency;
    previous->solve = settings.solve;
    previousPrint_ = previous;
  } else {
    previousPrint_ = step.diagnosticPrint_;
  }
}

template <class Container>
std::vector<korC_OdbRequest> oif_OutputRequestBuilder::Collect(const Container& requests, std::size_t index,
                                                               unsigned procedure) const {
  std::vector<korC_OdbRequest> records;
  for (const auto& [name, request] : requests) {
    if (!Written(*request, index)) continue;
    korC_OdbRequest record(*request, index, procedure);
    if (record.preselect) record.variables = korC_OdbRequestTable::Defaults(procedure, record.channel);
    if (record.all) record.variables = korC_OdbRequestTable::All(procedure, record.channel);
    auto same = std::find_if(records.begin(), records.end(),
                             [&](const korC_OdbRequest& earlier) { return earlier.SameRequest(record); });
    if (same != records.end())
      same->name += ", " + record.name;
    else
      records.push_back(std::move(record));
  }
  return records;
}

void oif_OutputRequestBuilder::AddChannel(const cow_String& name, std::vector<korC_OdbRequest> records, int channel,
                                          unsigned procedure, double timePeriod) {
  std::stable_sort(records.begin(), records.end(),
                   [](const korC_OdbRequest& a, const korC_OdbRequest& b) { return a.FrequencyBefore(b); });
  const std::string title = channel == kprC_FieldChannel ? "\nFIELD" : "\nHISTORY";
  if (records.empty()) {
    AddDefault(name, channel, procedure, timePeriod);
    return;
  }
  const korC_OdbRequest* previous = nullptr;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const korC_OdbRequest& record = records[i];
    if (Rejected(record)) {
      if (i + 1 == records.size() && previous == nullptr) AddDefault(name, channel, procedure, timePeriod);
      continue;
    }
    AddStepDefinition(name, oif_Comment(title + " OUTPUT: " + record.name + "\n"));
    cow_String region;
    if (record.domainKind == korC_SetDomain)
      region = oif_SetName(record.region, *info).Name(2);
    else if (record.domainKind == korC_EntityDomain && !record.entities.empty())
      region = record.entities.front();
    const bool sameFrequency =
        previous != nullptr && previous->EqualFrequency(record) && previous->filter == record.filter;
    if (!sameFrequency) {
      // A preset of the whole model is stated on the *Output line; a preset
      // of a region on the variable keywords of the region.
      korC_OdbRequest line = record;
      if (record.domainKind != korC_WholeModel) line.preselect = line.all = false;
      AddStepDefinition(name, oif_Output(line, timePeriod));
    }
    previous = &record;
    AddVariables(name, record, region);
  }
}

void oif_OutputRequestBuilder::AddDefault(const cow_String& name, int channel, unsigned procedure,
                                          double timePeriod) {
  korC_OdbRequest record(channel, procedure);
  if (channel == kprC_FieldChannel) {
    if (kprC_ModesAreAllowed(procedure)) {
      // The mode shapes: the procedure's default nodal variables, named.
      record.frequencyKind = kprC_ModeList;
      record.preselect = false;
      AddStepDefinition(name, oif_Output(record, timePeriod));
      oif_VariableRequest nodes;
      nodes.variables = korC_OdbRequestTable::Defaults(procedure, channel);
      nodes.procedureType = procedure;
      AddStepDefinition(name, oif_NodeOutput(nodes, true));
      return;
    }
    record.frequencyKind = kprC_IsExplicit(procedure) ? kprC_NumberInterval : kprC_EveryIncrements;
    AddStepDefinition(name, oif_Output(record, timePeriod));
    return;
  }
  if (kprC_IsFrequencyBuckle(procedure)) return;
  AddStepDefinition(name, oif_Output(record, timePeriod));
}

void oif_OutputRequestBuilder::AddVariables(const cow_String& name, const korC_OdbRequest& record,
                                            const cow_String& region) {
  oif_VariableRequest request;
  request.procedureType = record.procedureType;
  request.region = region;
  request.regionSetKind = record.domainKind == korC_SetDomain ? record.regionSetKind : -1;
  if (record.domainKind == korC_WholeModel && (record.preselect || record.all)) return;  // on the *Output line
  request.preselect = record.preselect;
  request.all = record.all;
  if (!record.preselect && !record.all) request.variables = record.variables;
  const int domain = record.domainKind;
  AddStepDefinition(name, oif_IntegratedOutput(request));
  if (domain == korC_ContactDomain) {
    AddStepDefinition(name, oif_ContactOutput(request));
    return;
  }
  const bool general = domain != 6 && domain != korC_EntityDomain;
  if (general) {
    if (record.entities.empty() && record.rebar != korC_OnlyRebar) AddStepDefinition(name, oif_NodeOutput(request));
    if (record.rebar != korC_OnlyRebar)
      AddStepDefinition(name, oif_ElementOutput(request, record.channel, false, record.directions,
                                                record.sectionPoints));
    if (record.rebar != korC_NoRebar)
      AddStepDefinition(name, oif_ElementOutput(request, record.channel, true, record.directions,
                                                record.sectionPoints));
    AddStepDefinition(name, oif_ModalOutput(request));
    AddStepDefinition(name, oif_EnergyOutput(request));
    AddStepDefinition(name, oif_IncrementationOutput(request));
  }
  AddStepDefinition(name, oif_ContactOutput(request));
  if (general) AddStepDefinition(name, oif_RadiationOutput(request));
}
