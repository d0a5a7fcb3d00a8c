#include "oif/impl/oif_BoundaryConditionBuilder.h"

#include <algorithm>

#include "oif/impl/oif_Comment.h"
#include "oif/impl/oif_ParallelLines.h"
#include "oif/impl/oif_RawKeyword.h"
#include "oif/impl/oif_SetName.h"
#include "oif/impl/oif_Sets.h"
#include "oif/impl/oif_Submodel.h"
#include "zkw/zkw_Model.h"
#include "zkw/zkw_ModelInfo.h"
#include "zkw/zkw_VelornName.h"

namespace {

const mdl_MapString2ObjCow<klcC_LoadCase> kNoLoadCases;

bool Contains(const std::vector<cow_String>& names, const cow_String& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

oif_BoundaryConditionBuilder::oif_BoundaryConditionBuilder(zkw_ModelInfo& info) : zkw_BuilderComponent(info) {}

zkw_BuilderComponent* oif_BoundaryConditionBuilder::Clone() const { return new oif_BoundaryConditionBuilder(*this); }

void oif_BoundaryConditionBuilder::Build() {
  steps_ = model->Steps();
  stepNames_ = steps_.Keys();
  shellToSolid_ = model->ShellToSolid();
  const auto container = model->BoundaryConditions();
  opStatus_.Fill(container, model->Loads(), stepNames_);
  opStatus_.MarkBucklingSteps(steps_);

  std::vector<Condition> conditions;
  conditions.reserve(container.Size());
  for (const auto& [name, object] : container) {
    if (object->suppressed) continue;
    Condition condition;
    condition.object = object;
    if (object->Info().IsConnector()) {
      // The connector wires of the condition, as one element set named after it.
      const cow_String setName = zkw_VelornName(name).Printable();
      std::vector<cow_String> members;
      for (const std::string& region : object->connectorRegions) members.push_back(zkw_VelornName(region).Printable());
      AddAssemblyDefinition(oif_Elset(setName, members));
      condition.regionName = std::make_shared<const cow_String>(setName);
    } else {
      condition.regionName = std::make_shared<const cow_String>(oif_SetName(object->region, *info).Name(2));
    }
    conditions.push_back(std::move(condition));
  }

  stepInfo_.assign(stepNames_.size(), Step{});
  for (std::size_t step = 0; step < stepNames_.size(); ++step) {
    Step& info = stepInfo_[step];
    info.text = StepTextTarget(stepNames_[step], cow_String());
    info.procedure = steps_.At(step).DynTypeId();
    if (step == 0) continue;
    info.analysis = dynamic_cast<const kprC_AnalysisStep*>(&steps_.At(step));
    info.withCases = info.analysis && info.analysis->loadCases().Size() != 0;
    info.buckling = info.procedure == mdl_TypeId<kprC_BuckleStep>();
    if (info.withCases)
      for (const auto& [caseName, loadCase] : info.analysis->loadCases())
        info.caseTexts.push_back(StepTextTarget(stepNames_[step], caseName));
  }

  // Condition by condition, so that each condition's states are read in
  // order. A long history is cut into runs of conditions formatted on all
  // cores (unless submodel conditions, which are grouped across conditions,
  // are among them); every step's list takes the runs' text in condition
  // order.
  const bool grouped = std::any_of(conditions.begin(), conditions.end(), [](const Condition& condition) {
    return condition.object->Kind() == kbcC_BCKind::Submodel;
  });
  std::vector<TextBatch> batches(grouped ? 1 : oif_RunCount(conditions.size(), conditions.size() * stepNames_.size()));
  oif_ForEachInRuns(conditions.size(), batches.size(),
                    [&](std::size_t i, std::size_t run) { BuildCondition(conditions[i], batches[run]); });
  for (std::size_t step = 0; step < stepNames_.size(); ++step) {
    const Step& info = stepInfo_[step];
    auto written = [&](const StepText* text) { return TextBatch::AnyHas(batches, *text); };
    const bool inGroup = std::any_of(submodelGroups_.begin(), submodelGroups_.end(), [&](const SubmodelGroup& group) {
      return group.loadCase.empty() && group.step == stepNames_[step];
    });
    if (inGroup || written(info.text)) AddHeading(step);
    std::size_t k = 0;
    for (const auto& [caseName, loadCase] : info.withCases ? info.analysis->loadCases() : kNoLoadCases) {
      if (written(info.caseTexts[k++])) stepInfo_[step].conditionCases.push_back(caseName);
    }
  }
  AddStepBatches(batches);
  for (std::size_t step = 1; step < stepNames_.size(); ++step) {
    BuildBoltLoads(step);
    BuildLoadCaseMarkers(step);
  }

  // The driving parameters of the submodel conditions, one *Submodel per
  // distinct set of them, then the grouped conditions of every step.
  std::vector<oif_Submodel> submodels;
  for (const Condition& condition : conditions) {
    const kbcC_BoundaryCondition& object = *condition.object;
    if (object.Kind() != kbcC_BCKind::Submodel) continue;
    const auto& thickness = object.states.State(object.states.First()).shellThickness;
    oif_Submodel submodel(object, shellToSolid_, thickness.IsSet() ? thickness.ConstGet() : 0.0, *condition.regionName);
    auto same = std::find_if(submodels.begin(), submodels.end(),
                             [&](const oif_Submodel& other) { return other.SameParameters(submodel); });
    if (same == submodels.end())
      submodels.push_back(submodel);
    else
      same->AddRegion(*condition.regionName);
  }
  for (const oif_Submodel& submodel : submodels) AddAssemblyDefinition(submodel);
  for (const SubmodelGroup& group : submodelGroups_) {
    AddStepDefinition(group.step, oif_Comment("Name: " + group.names + " Type: Submodel"), group.loadCase);
    AddStepDefinition(group.step, group.keyword, group.loadCase);
  }
}

void oif_BoundaryConditionBuilder::AddHeading(std::size_t step) {
  bool& headed = stepInfo_[step].headed;
  if (headed) return;
  headed = true;
  const zkw_Keyword& heading = heading_.HeadingFor(stepNames_[step]);
  if (!heading_.IsFiller(heading)) AddStepDefinition(stepNames_[step], heading);
}

void oif_BoundaryConditionBuilder::BuildCondition(Condition& condition, TextBatch& batch) {
  static const cow_String noLoadCase;
  for (std::size_t step = 0; step < stepNames_.size(); ++step) {
    const Step& info = stepInfo_[step];
    if (!info.withCases) {
      AddCondition(step, condition, noLoadCase, 1.0, *info.text, batch);
      continue;
    }
    const int s = condition.object->Status(step);
    std::size_t k = 0;
    for (const auto& [caseName, loadCase] : info.analysis->loadCases()) {
      const StepText& text = *info.caseTexts[k++];
      if (caseName.empty()) continue;
      auto listed = loadCase->boundaryConditions.find(condition.object->name());
      if (listed != loadCase->boundaryConditions.end())
        AddCondition(step, condition, caseName, listed->second, text, batch);
      else if ((s == mdl_Propagated2 || s == mdl_Modified2) && loadCase->includeBaseStateBCs)
        AddCondition(step, condition, caseName, 1.0, text, batch);
    }
  }
}

void oif_BoundaryConditionBuilder::AddCondition(std::size_t step, Condition& condition, const cow_String& loadCase,
                                                double scale, const StepText& text, TextBatch& batch) {
  const kbcC_BoundaryCondition& object = *condition.object;
  const int s = object.Status(step);
  if (s == mdl_Inactive) return;
  const bool inCase = !loadCase.empty();
  if (condition.key < 0) {
    // Found the first time the condition is met in a step.
    condition.key = opStatus_.StatusKey(object.DynTypeId());
    condition.comment = std::make_shared<const cow_String>("Name: " + object.name() + " Type: " +
                                                           kbcC_BCTypeLabelMap::Label(object.DynTypeId()));
  }
  const bool opNew = opStatus_.Flag(condition.key, step);
  if (!oif_BCOpStatus::Writes(s, inCase || opNew)) return;
  oif_KeywordForm form = oif_KeywordForm::Make(s, opNew, inCase || opNew);
  const kbcC_BCState& state = object.ConstGetStateQuad(step);
  form.ApplyAmplitude(state.amplitude.State());

  const cow_String& stepName = stepNames_[step];
  const Step& stepInfo = stepInfo_[step];

  // Load cases: the real and imaginary parts of a complex condition, or the
  // two load cases of a buckling step.
  const std::type_index procedure = stepInfo.procedure;
  const bool buckling = stepInfo.buckling;
  const kbcC_BCInfo& info = object.Info();
  using Cases = oif_Boundary::LoadCases;
  Cases cases = oif_Boundary::NoLoadCase;
  bool complex = false;
  auto chosen = [&] {
    const int choice = state.buckleCase.IsSet() ? state.buckleCase.ConstGet() : 0;
    return choice == 1 || choice == 2 ? Cases(choice) : oif_Boundary::BothLoadCases;
  };
  if (form.removed) {
    if (buckling) cases = oif_Boundary::LoadCase1;
  } else if (info.form == kbcC_BCForm::Motion || info.form == kbcC_BCForm::ConnectorMotion) {
    complex = state.UseComplex(procedure);
    if (info.typeParam) {
      if (complex || buckling) cases = oif_Boundary::LoadCase1;
      complex = false;
    } else if (complex) {
      cases = oif_Boundary::BothLoadCases;
    } else if (buckling) {
      cases = chosen();
    }
  } else if (info.form == kbcC_BCForm::Type && buckling) {
    cases = chosen();
  }

  // The comment of a condition in a load case names its scale factor; else
  // every step's comment shares the condition's text.
  auto comment = [&] {
    return inCase ? oif_Comment(*condition.comment + oif_ScaleFactorText(scale)) : oif_Comment(condition.comment);
  };
  if (info.IsConnector()) {
    batch.Add(text, comment());
    cow_String applies = "Applies To: ";
    for (std::size_t i = 0; i < object.connectorRegions.size(); ++i)
      applies += (i ? ", " : "") + object.connectorRegions[i];
    batch.Add(text, oif_Comment(applies));
    batch.Add(text, oif_ConnectorMotion(form, condition.object, step, condition.regionName, cases, complex, scale));
    return;
  }
  const oif_Boundary keyword(form, condition.object, step, condition.regionName, cases, complex, scale, shellToSolid_);
  if (keyword.IsSubmodelDriven()) {
    for (SubmodelGroup& group : submodelGroups_) {
      if (group.step == stepName && group.loadCase == loadCase && group.keyword.SubmodelLine() == keyword.SubmodelLine()) {
        group.names += ", " + object.name();
        group.keyword.Group(keyword);
        return;
      }
    }
    submodelGroups_.push_back(SubmodelGroup{stepName, loadCase, object.name(), keyword});
    return;
  }
  batch.Add(text, comment());
  batch.Add(text, keyword);
}

void oif_BoundaryConditionBuilder::BuildBoltLoads(std::size_t step) {
  std::vector<cow_String>& boltCases = stepInfo_[step].boltCases;
  const cow_String& stepName = stepNames_[step];
  const auto& analysis = dynamic_cast<const kprC_AnalysisStep&>(steps_.At(step));
  const auto loads = model->Loads();
  for (const auto& [name, load] : loads) {
    const auto* bolt = dynamic_cast<const kloC_BoltLoad*>(load.get());
    if (!bolt || bolt->suppressed) continue;
    const int s = bolt->Status(step);
    const auto& method = bolt->ConstGetState(step).method;
    const int m = method.ConstGet();
    const cow_String comment = "Name: " + name + " Type: " + kloC_LoadTypeLabelMap::Label(bolt->DynTypeId());
    auto visit = [&](const cow_String& loadCase, double scale) {
      const bool inCase = !loadCase.empty();
      const bool written = ((s == mdl_Created || s == mdl_Modified) && m != 0) ||
                           (s == mdl_Propagated && m != 0 && (inCase || opStatus_.Flag(0, step))) ||
                           s == mdl_Deactivated || (s == mdl_Modified && method.IsModified() && m == 0);
      if (!written) return;
      if (inCase) {
        AddStepDefinition(stepName, oif_Comment(comment + oif_ScaleFactorText(scale)), loadCase);
        if (!Contains(boltCases, loadCase)) boltCases.push_back(loadCase);
      } else {
        AddHeading(step);
        AddStepDefinition(stepName, oif_Comment(comment));
      }
    };
    if (analysis.loadCases().Size() == 0) {
      visit(cow_String(), 1.0);
      continue;
    }
    for (const auto& [caseName, loadCase] : analysis.loadCases()) {
      auto listed = loadCase->loads.find(name);
      if (!caseName.empty() && listed != loadCase->loads.end()) visit(caseName, listed->second);
    }
  }
}

void oif_BoundaryConditionBuilder::BuildLoadCaseMarkers(std::size_t step) {
  const auto& analysis = dynamic_cast<const kprC_AnalysisStep&>(steps_.At(step));
  if (analysis.loadCases().Size() == 0) return;
  bool baseStateChanges = false;
  for (const auto& [name, object] : model->BoundaryConditions()) {
    const int s = object->Status(step);
    if (!object->suppressed && (s == mdl_Propagated2 || s == mdl_Modified2)) baseStateChanges = true;
  }
  for (const auto& [caseName, loadCase] : analysis.loadCases()) {
    const Step& info = stepInfo_[step];
    if (caseName.empty() || Contains(info.boltCases, caseName) || Contains(info.conditionCases, caseName)) continue;
    if (loadCase->keepBCs || (loadCase->includeBaseStateBCs && baseStateChanges)) continue;
    AddStepDefinition(stepNames_[step], oif_RawKeyword("*Boundary, op=NEW"), caseName);
  }
}
