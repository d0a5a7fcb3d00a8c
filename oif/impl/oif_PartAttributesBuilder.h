#pragma once
#include <map>

#include "modeldb/bme_ElemCtrlParams.h"
#include "modeldb/ddb_Instance.h"
#include "zkw/zkw_BuilderComponent.h"

/// Builds the section and orientation assignments of every part instance
/// (inside the instance's block) and the model's element controls
/// ("*Section Controls", model level). The elements of an instance are
/// grouped by their property tuple (section assignment, element controls,
/// beam orientation, material orientation); each group with a section
/// becomes one assignment block.
class oif_PartAttributesBuilder : public zkw_BuilderComponent {
 public:
  explicit oif_PartAttributesBuilder(zkw_ModelInfo& info);
  zkw_BuilderComponent* Clone() const override;
  void Build() override;

 private:
  void BuildInstance(const cow_String& name, const ddb_PartInstance& instance);
  /// The index of non-default controls: an equal entry's, else a new one.
  int ControlIndex(const bme_ElemCtrlParams& params);
  void BuildElementControls();

  std::map<int, bme_ElemCtrlParams> controls_;
  int nextControl_ = 0;
};
