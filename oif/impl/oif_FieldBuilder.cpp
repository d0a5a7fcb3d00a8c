#include "oif/impl/oif_FieldBuilder.h"

#include <algorithm>

#include "modeldb/kseC_Sections.h"
#include "oif/impl/oif_Comment.h"
#include "oif/impl/oif_FieldTemperature.h"
#include "oif/impl/oif_GeneralField.h"
#include "oif/impl/oif_InitialConditions.h"
#include "oif/impl/oif_MassFlowRate.h"
#include "oif/impl/oif_PressureStress.h"
#include "oif/impl/oif_SetName.h"
#include "zkw/zkw_Model.h"
#include "zkw/zkw_ModelInfo.h"

oif_FieldBuilder::oif_FieldBuilder(zkw_ModelInfo& info) : zkw_BuilderComponent(info) {}

zkw_BuilderComponent* oif_FieldBuilder::Clone() const { return new oif_FieldBuilder(*this); }

bool oif_FieldBuilder::Writes(int status, bool opNew, bool generalField) {
  // General fields are restated in every step they are carried into.
  return oif_FieldOpStatus::Writes(status, opNew || generalField);
}

int oif_FieldBuilder::TemperatureValuesPerPoint(const mdl_MapString2ObjCow<kseC_Section>& sections) {
  int count = 1;
  for (const auto& [name, section] : sections) {
    const auto* shell = dynamic_cast<const kseC_ShellSection*>(section.get());
    if (shell && shell->temperatureMode == kseC_ShellSection::Points) count = std::max(count, shell->temperaturePoints);
  }
  return count;
}

void oif_FieldBuilder::Build() {
  const auto steps = model->Steps();
  stepNames_ = steps.Keys();
  const auto fields = model->Fields();
  opStatus_.Fill(fields, stepNames_);

  maxFieldVariable_ = 0;
  for (const auto& [name, field] : fields)
    if (field->Kind() == kpfC_FieldKind::GeneralField && !field->suppressed && kpfC_Field::IsActive(field->Status(0)))
      maxFieldVariable_ = std::max(maxFieldVariable_, field->variable);
  valuesPerPoint_ = TemperatureValuesPerPoint(model->Sections());

  for (std::size_t step = 0; step < stepNames_.size(); ++step) {
    // In a step with load cases a field acts through the cases that list it.
    const auto* analysis = dynamic_cast<const kprC_AnalysisStep*>(&steps.At(step));
    const bool withCases = analysis && analysis->loadCases().Size() != 0;
    for (const auto& [name, field] : fields) {
      if (field->suppressed) continue;
      const bool opNew = opStatus_.IsNew(field->DynTypeId(), stepNames_[step]);
      if (!Writes(field->Status(step), opNew, field->Kind() == kpfC_FieldKind::GeneralField)) continue;
      if (!withCases) {
        AddField(step, field, cow_String(), 1.0);
        continue;
      }
      for (const auto& [caseName, loadCase] : analysis->loadCases()) {
        const auto listed = loadCase->fields.find(field->name());
        if (listed != loadCase->fields.end()) AddField(step, field, caseName, listed->second);
      }
    }
  }
}

void oif_FieldBuilder::AddField(std::size_t step, const std::shared_ptr<const kpfC_Field>& field,
                                const cow_String& loadCase, double scale) {
  const cow_String& stepName = stepNames_[step];
  const auto add = [&](const zkw_Keyword& keyword) { AddStepDefinition(stepName, keyword, loadCase); };
  cow_String comment = "Name: " + field->name() + "   Type: " + kpfC_FieldTypeLabelMap::Label(field->DynTypeId());
  if (loadCase.empty()) {
    const zkw_Keyword& heading = heading_.HeadingFor(stepName);
    if (!heading_.IsFiller(heading)) AddStepDefinition(stepName, heading);
  } else {
    comment += oif_ScaleFactorText(scale);
  }
  add(oif_Comment(comment));

  const cow_String region = oif_SetName(field->region, *info).Name(2);
  const int status = field->Status(step);
  const bool opNew = opStatus_.IsNew(field->DynTypeId(), stepName);
  oif_KeywordForm form = oif_KeywordForm::Make(status, opNew);
  form.ApplyAmplitude(field->ConstGetState(step).amplitude.State());

  const bool initial = step == 0;
  switch (field->Kind()) {
    case kpfC_FieldKind::Temperature:
      if (initial)
        add(oif_InitialConditions(field, step, region, form, maxFieldVariable_, valuesPerPoint_));
      else
        add(oif_FieldTemperature(field, step, region, form, valuesPerPoint_).Scale(scale));
      return;
    case kpfC_FieldKind::GeneralField:
      if (initial)
        add(oif_InitialConditions(field, step, region, form, maxFieldVariable_, valuesPerPoint_));
      else
        add(oif_GeneralField(field, step, region, form).Scale(scale));
      return;
    case kpfC_FieldKind::PressureStress:
      add(oif_PressureStress(field, step, region, form));
      return;
    case kpfC_FieldKind::MassFlowRate:
      add(oif_MassFlowRate(field, step, region, form));
      return;
    default:
      add(oif_InitialConditions(field, step, region, form, maxFieldVariable_, valuesPerPoint_));
  }
}
