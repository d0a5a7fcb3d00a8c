#pragma once
#include <vector>

#include "modeldb/kseC_Section.h"
#include "modeldb/mdl_Repository.h"
#include "oif/impl/oif_OpStatus.h"
#include "zkw/zkw_BuilderComponent.h"

/// Builds the predefined fields and initial conditions of every step, the
/// initial step included: *Initial Conditions, *Temperature, *Field,
/// *Pressure stress and *Mass flow rate, with the restatement rules of the
/// field operation status, under a "FIELDS" heading once per step.
class oif_FieldBuilder : public zkw_BuilderComponent {
 public:
  explicit oif_FieldBuilder(zkw_ModelInfo& info);
  zkw_BuilderComponent* Clone() const override;
  void Build() override;

  /// Whether a field of status `status` is written in a step: created,
  /// modified, deactivated or forced (1, 3, 4, 15); carried over (2, 14)
  /// when its group is restated, or always for a general field.
  static bool Writes(int status, bool opNew, bool generalField);
  /// The number of temperature values per point the model's sections ask
  /// for, at least 1.
  static int TemperatureValuesPerPoint(const mdl_MapString2ObjCow<kseC_Section>& sections);

 private:
  /// One field in one step: outside load cases (`loadCase` empty) or in the
  /// load case `loadCase` with its scale factor.
  void AddField(std::size_t step, const std::shared_ptr<const kpfC_Field>& field, const cow_String& loadCase,
                double scale);

  oif_FieldOpStatus opStatus_;
  SectionHeading heading_{"FIELDS"};
  std::vector<cow_String> stepNames_;
  int maxFieldVariable_ = 0;
  int valuesPerPoint_ = 1;
};
