#pragma once
// The section kinds: every class of section, with its name in the model file.
// The model file reader and the writer each keep one row per kind in the same
// order (mfl_Sections.cpp, oif_SectionKinds.cpp); a kind added here fails to
// build until both have its row.
#include "modeldb/kseC_GasketSection.h"
#include "modeldb/kseC_Sections.h"
#include "modeldb/mdl_KindTable.h"

enum class kseC_SectionKind : int {
  Solid, CompositeSolid, Truss, Shell, CompositeShell, GeometryShell, UserShell, Membrane, Beam, Point, Gasket,
  Count
};

struct kseC_SectionKindInfo {
  kseC_SectionKind kind;
  const char* className;       ///< "kseC_HomogenousSolidSection"
  const char* fileName;        ///< the section's "kind" in the model file
  const std::type_info* type;  ///< typeid of the class
  /// Why the writer cannot write a section of this kind (it stops with this
  /// "Unimplemented ..." text); nullptr when it can.
  const char* unwritable;
};

inline constexpr const char* kseC_NoShellGeneralForm = "Shell general section unimplemented";

// clang-format off
inline constexpr kseC_SectionKindInfo kseC_SectionKindTable[] = {
    {kseC_SectionKind::Solid, "kseC_HomogenousSolidSection", "solid", &typeid(kseC_HomogenousSolidSection), nullptr},
    {kseC_SectionKind::CompositeSolid, "kseC_CompositeSolidSection", "compositeSolid",
     &typeid(kseC_CompositeSolidSection), nullptr},
    {kseC_SectionKind::Truss, "kseC_TrussSection", "truss", &typeid(kseC_TrussSection), nullptr},
    {kseC_SectionKind::Shell, "kseC_HomogenousShellSection", "shell", &typeid(kseC_HomogenousShellSection), nullptr},
    {kseC_SectionKind::CompositeShell, "kseC_CompositeShellSection", "compositeShell",
     &typeid(kseC_CompositeShellSection), nullptr},
    {kseC_SectionKind::GeometryShell, "kseC_GeometryShellSection", "geometryShell", &typeid(kseC_GeometryShellSection),
     kseC_NoShellGeneralForm},
    {kseC_SectionKind::UserShell, "kseC_UserShellSection", "userShell", &typeid(kseC_UserShellSection),
     kseC_NoShellGeneralForm},
    {kseC_SectionKind::Membrane, "kseC_MembraneSection", "membrane", &typeid(kseC_MembraneSection), nullptr},
    {kseC_SectionKind::Beam, "kseC_BeamSection", "beam", &typeid(kseC_BeamSection), nullptr},
    {kseC_SectionKind::Point, "kseC_PointSection", "point", &typeid(kseC_PointSection), nullptr},
    {kseC_SectionKind::Gasket, "kseC_GasketSection", "gasket", &typeid(kseC_GasketSection), nullptr},
};
// clang-format on
static_assert(mdl_OneRowPerKindInOrder<kseC_SectionKind>(kseC_SectionKindTable));

inline const kseC_SectionKindInfo& kseC_Info(kseC_SectionKind kind) { return kseC_SectionKindTable[int(kind)]; }

/// The row of a section's class; nullptr for a class outside the table.
inline const kseC_SectionKindInfo* kseC_FindSectionKind(const kseC_Section& section) {
  return mdl_RowOfType(kseC_SectionKindTable, section.DynTypeId());
}
