#pragma once
// The controls kinds: every class of solution controls, with its name in the
// model file. The model file reader and the writer each keep one row per kind
// in the same order (mfl_Controls.cpp, oif_OutputRequestBuilder.cpp); a kind
// added here fails to build until both have its row.
#include "modeldb/kprC_Controls.h"
#include "modeldb/mdl_KindTable.h"

enum class kprC_ControlsKind : int {
  Typical, HeatTransfer, MassDiffusion, CoupledThermalElectric, CoupledTempDisplacement, PoreFluid, Electrical,
  Count
};

struct kprC_ControlsKindInfo {
  kprC_ControlsKind kind;
  const char* className;       ///< "kprC_TypicalControls"
  const char* fileName;        ///< the controls' "kind" in the model file
  const std::type_info* type;  ///< typeid of the class
};

// clang-format off
inline constexpr kprC_ControlsKindInfo kprC_ControlsKindTable[] = {
    {kprC_ControlsKind::Typical, "kprC_TypicalControls", "typical", &typeid(kprC_TypicalControls)},
    {kprC_ControlsKind::HeatTransfer, "kprC_HeatTransferControls", "heat transfer", &typeid(kprC_HeatTransferControls)},
    {kprC_ControlsKind::MassDiffusion, "kprC_MassDiffusionControls", "mass diffusion",
     &typeid(kprC_MassDiffusionControls)},
    {kprC_ControlsKind::CoupledThermalElectric, "kprC_CTEControls", "coupled thermal-electrical",
     &typeid(kprC_CTEControls)},
    {kprC_ControlsKind::CoupledTempDisplacement, "kprC_CTDControls", "coupled temperature-displacement",
     &typeid(kprC_CTDControls)},
    {kprC_ControlsKind::PoreFluid, "kprC_PoreControls", "pore fluid", &typeid(kprC_PoreControls)},
    {kprC_ControlsKind::Electrical, "kprC_ElectricalControls", "electrical", &typeid(kprC_ElectricalControls)},
};
// clang-format on
static_assert(mdl_OneRowPerKindInOrder<kprC_ControlsKind>(kprC_ControlsKindTable));

inline const kprC_ControlsKindInfo& kprC_Info(kprC_ControlsKind kind) { return kprC_ControlsKindTable[int(kind)]; }

/// The row of a controls object's class; nullptr for a class outside the
/// table.
inline const kprC_ControlsKindInfo* kprC_FindControlsKind(const kprC_Controls& controls) {
  return mdl_RowOfType(kprC_ControlsKindTable, controls.DynTypeId());
}
