#include "oif/impl/oif_LoadBuilder.h"

#include "modeldb/kloC_LoadTable.h"
#include "oif/impl/oif_Cload.h"
#include "oif/impl/oif_Comment.h"
#include "oif/impl/oif_ConnectorLoad.h"
#include "oif/impl/oif_Dload.h"
#include "oif/impl/oif_Dsload.h"
#include "oif/impl/oif_LoadFamilies.h"
#include "oif/impl/oif_NewConnectorSection.h"
#include "oif/impl/oif_ParallelLines.h"
#include "oif/impl/oif_SetName.h"
#include "zkw/zkw_Model.h"
#include "zkw/zkw_ModelInfo.h"

oif_LoadBuilder::oif_LoadBuilder(zkw_ModelInfo& info) : zkw_BuilderComponent(info) {}

zkw_BuilderComponent* oif_LoadBuilder::Clone() const { return new oif_LoadBuilder(*this); }

void oif_LoadBuilder::Build() {
  const kprC_StepContainer steps = model->Steps();
  stepNames_ = steps.Keys();
  const auto container = model->Loads();
  opStatus_.Fill(container, stepNames_, *info);

  loads_.clear();
  loads_.reserve(container.Size());
  for (const auto& [name, object] : container) {
    if (object->suppressed) continue;
    Load load;
    load.object = object;
    load.comment = std::make_shared<const cow_String>("Name: " + name + "   Type: " +
                                                      kloC_LoadTypeLabelMap::Label(object->DynTypeId()));
    load.key = opStatus_.StatusKey(object->DynTypeId());
    load.bolt = dynamic_cast<const kloC_BoltLoad*>(object.get()) != nullptr;
    load.kind = kloC_FindKind(object->DynTypeId());
    if (load.kind && load.kind->region == kloC_LoadRegion::Wires)
      load.regionName = oif_WireSetName(object->region, *info);
    else
      load.regionName = oif_SetName(object->region, *info).Name(2);
    loads_.push_back(std::move(load));
  }

  steps_.assign(stepNames_.size(), Step{});
  for (std::size_t step = 1; step < stepNames_.size(); ++step) {
    Step& info = steps_[step];
    info.analysis = dynamic_cast<const kprC_AnalysisStep*>(&steps.At(step));
    info.withCases = info.analysis && info.analysis->loadCases().Size() != 0;
    info.text = StepTextTarget(stepNames_[step], cow_String());
    if (info.withCases)
      for (const auto& [caseName, loadCase] : info.analysis->loadCases())
        info.caseTexts.push_back(StepTextTarget(stepNames_[step], caseName));
  }

  // Load by load, so that each load's states are read in order; a long
  // history is cut into runs of loads formatted on all cores, and every
  // step's list takes the runs' text in load order.
  std::vector<TextBatch> batches(oif_RunCount(loads_.size(), loads_.size() * stepNames_.size()));
  oif_ForEachInRuns(loads_.size(), batches.size(),
                    [&](std::size_t i, std::size_t run) { BuildLoad(loads_[i], batches[run]); });
  for (std::size_t step = 1; step < stepNames_.size(); ++step) {
    if (!TextBatch::AnyHas(batches, *steps_[step].text)) continue;
    const zkw_Keyword& heading = heading_.HeadingFor(stepNames_[step]);
    if (!heading_.IsFiller(heading)) AddStepDefinition(stepNames_[step], heading);
  }
  AddStepBatches(batches);
}

void oif_LoadBuilder::BuildLoad(const Load& load, TextBatch& batch) const {
  static const cow_String noLoadCase;
  for (std::size_t step = 1; step < stepNames_.size(); ++step) {
    const int s = load.object->Status(step);
    if (!Selected(load, step, s)) continue;
    const Step& info = steps_[step];
    if (!info.withCases) {
      Write(load, step, s, noLoadCase, 1.0, *info.text, batch);
      continue;
    }
    std::size_t k = 0;
    for (const auto& [caseName, loadCase] : info.analysis->loadCases()) {
      auto listed = loadCase->loads.find(load.object->name());
      if (listed != loadCase->loads.end()) Write(load, step, s, caseName, listed->second, *info.caseTexts[k], batch);
      ++k;
    }
  }
}

bool oif_LoadBuilder::Selected(const Load& load, std::size_t step, int s) const {
  const bool opNew = opStatus_.Flag(load.key, step);
  if (!load.bolt) return oif_LoadOpStatus::Writes(s, opNew);
  // Bolt loads applied as a force (method 0); the other methods are
  // boundary conditions.
  if (s == mdl_BoltPropagated) return false;
  const auto& method = static_cast<const kloC_BoltLoad&>(*load.object).ConstGetState(step).method;
  const int m = method.ConstGet();
  switch (s) {
    case mdl_Created:
    case mdl_Deactivated:
      return m == 0;
    case mdl_Propagated:
      return m == 0 && opNew;
    case mdl_Modified:
      return m == 0 || method.IsModified();
    default:
      return false;
  }
}

bool oif_LoadBuilder::InertiaReliefHidden(const Load& load, std::size_t step) const {
  if (load.object->DynTypeId() != mdl_TypeId<kloC_InertiaRelief>() || load.object->Status(step) != mdl_Deactivated)
    return false;
  for (const Load& other : loads_) {
    if (&other == &load || other.object->DynTypeId() != mdl_TypeId<kloC_InertiaRelief>()) continue;
    const int s = other.object->Status(step);
    if (s == mdl_Created || s == mdl_Modified || s == mdl_Deactivated) return true;
  }
  return false;
}

void oif_LoadBuilder::Write(const Load& load, std::size_t step, int s, const cow_String& loadCase, double scale,
                           const StepText& text, TextBatch& batch) const {
  const kloC_LoadInfo* kind = load.kind;
  if (kind && kind->family == kloC_LoadFamily::CommentOnly && InertiaReliefHidden(load, step)) return;
  const bool opNew = opStatus_.Flag(load.key, step);
  if (loadCase.empty())
    batch.Add(text, oif_Comment(load.comment));
  else
    batch.Add(text, oif_Comment(*load.comment + oif_ScaleFactorText(scale)));

  oif_KeywordForm form = oif_KeywordForm::Make(s, opNew);
  if (load.bolt) {
    form.ApplyAmplitude(static_cast<const kloC_BoltLoad&>(*load.object).ConstGetState(step).amplitude.State());
    batch.Add(text, oif_Cload(form, load.object, step, load.regionName, scale));
    return;
  }
  if (!kind) nex_TextException("Unimplemented load type conversion").Throw("oif_LoadBuilder", __LINE__);
  form.ApplyAmplitude(static_cast<const kloC_KindLoad&>(*load.object).ConstGetStateQuad(step).amplitude.State());
  const cow_String& region = load.regionName;
  switch (kind->family) {
    case kloC_LoadFamily::Cload:
      batch.Add(text, oif_Cload(form, load.object, step, region, scale));
      return;
    case kloC_LoadFamily::Dload:
      batch.Add(text, oif_Dload(form, load.object, step, region, scale));
      return;
    case kloC_LoadFamily::Dsload:
      batch.Add(text, oif_Dsload(form, load.object, step, region, scale));
      return;
    case kloC_LoadFamily::ConnectorLoad:
      batch.Add(text, oif_ConnectorLoad(form, load.object, step, region, scale));
      return;
    case kloC_LoadFamily::CommentOnly:
      return;
    case kloC_LoadFamily::None:
      nex_TextException("Unimplemented load type conversion").Throw("oif_LoadBuilder", __LINE__);
    default:
      batch.Add(text, oif_FamilyLoad(kind->family, form, load.object, step, region, scale));
  }
}
