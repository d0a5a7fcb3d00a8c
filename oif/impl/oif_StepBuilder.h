#pragma once
#include <typeindex>

#include "modeldb/kprC_Step.h"
#include "zkw/zkw_BuilderComponent.h"

/// Opens every analysis step: the step comment, "*Step", the procedure
/// keyword with its companions, and the load cases.
class oif_StepBuilder : public zkw_BuilderComponent {
 public:
  explicit oif_StepBuilder(zkw_ModelInfo& info);
  zkw_BuilderComponent* Clone() const override;
  /// Throws nex_TextException "Unimplemented procedure print method" for a
  /// step kind without a procedure keyword.
  void Build() override;

 private:
  /// The procedure keyword of the step's kind and its companions.
  void AddProcedure(const cow_String& name, const kprC_AnalysisStep& step, std::type_index previousKind);
  /// Printable set name of a region; empty when there is none.
  cow_String RegionName(const rgnC_Region& region) const;
};
