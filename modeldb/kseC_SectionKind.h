#pragma once
// The section kinds: every class of section, with its name in the model file.
// The model file reader and the writer each keep one row per kind in the same
// order (mfl_Sections.cpp, oif_SectionKinds.cpp); a kind added here fails to
// build until both have its row.
#include <memory>
#include <string>
#include <type_traits>

#include "modeldb/kseC_GasketSection.h"
#include "modeldb/kseC_Sections.h"
#include "modeldb/mdl_KindTable.h"

enum class kseC_SectionKind : int {
  Solid, CompositeSolid, Truss, Shell, CompositeShell, GeometryShell, UserShell, Membrane, Beam, Point, Gasket,
  Count
};

/// A new section of class T, with its defaults.
template <class T>
std::shared_ptr<kseC_Section> kseC_MakeSection(std::string name) {
  if constexpr (std::is_same_v<T, kseC_GasketSection>)
    return std::make_shared<T>(std::move(name), std::string());
  else
    return std::make_shared<T>(std::move(name));
}

struct kseC_SectionKindInfo {
  kseC_SectionKind kind;
  const char* className;       ///< "kseC_HomogenousSolidSection"
  const char* fileName;        ///< the section's "kind" in the model file
  const std::type_info* type;  ///< typeid of the class
  /// Why the writer cannot write a section of this kind (it stops with this
  /// "Unimplemented ..." text); nullptr when it can.
  const char* unwritable;
  /// A new section of the class.
  std::shared_ptr<kseC_Section> (*make)(std::string name);
};

inline constexpr const char* kseC_NoShellGeneralForm = "Shell general section unimplemented";

template <class T>
constexpr kseC_SectionKindInfo kseC_SectionRow(kseC_SectionKind kind, const char* className, const char* fileName,
                                               const char* unwritable = nullptr) {
  return {kind, className, fileName, &typeid(T), unwritable, &kseC_MakeSection<T>};
}

// clang-format off
inline constexpr kseC_SectionKindInfo kseC_SectionKindTable[] = {
    kseC_SectionRow<kseC_HomogenousSolidSection>(kseC_SectionKind::Solid, "kseC_HomogenousSolidSection", "solid"),
    kseC_SectionRow<kseC_CompositeSolidSection>(kseC_SectionKind::CompositeSolid, "kseC_CompositeSolidSection",
        "compositeSolid"),
    kseC_SectionRow<kseC_TrussSection>(kseC_SectionKind::Truss, "kseC_TrussSection", "truss"),
    kseC_SectionRow<kseC_HomogenousShellSection>(kseC_SectionKind::Shell, "kseC_HomogenousShellSection", "shell"),
    kseC_SectionRow<kseC_CompositeShellSection>(kseC_SectionKind::CompositeShell, "kseC_CompositeShellSection",
        "compositeShell"),
    kseC_SectionRow<kseC_GeometryShellSection>(kseC_SectionKind::GeometryShell, "kseC_GeometryShellSection",
        "geometryShell", kseC_NoShellGeneralForm),
    kseC_SectionRow<kseC_UserShellSection>(kseC_SectionKind::UserShell, "kseC_UserShellSection", "userShell",
        kseC_NoShellGeneralForm),
    kseC_SectionRow<kseC_MembraneSection>(kseC_SectionKind::Membrane, "kseC_MembraneSection", "membrane"),
    kseC_SectionRow<kseC_BeamSection>(kseC_SectionKind::Beam, "kseC_BeamSection", "beam"),
    kseC_SectionRow<kseC_PointSection>(kseC_SectionKind::Point, "kseC_PointSection", "point"),
    kseC_SectionRow<kseC_GasketSection>(kseC_SectionKind::Gasket, "kseC_GasketSection", "gasket"),
};
// clang-format on
static_assert(mdl_OneRowPerKindInOrder<kseC_SectionKind>(kseC_SectionKindTable));

inline const kseC_SectionKindInfo& kseC_Info(kseC_SectionKind kind) { return kseC_SectionKindTable[int(kind)]; }

/// The row of a section's class; nullptr for a class outside the table.
inline const kseC_SectionKindInfo* kseC_FindSectionKind(const kseC_Section& section) {
  return mdl_RowOfType(kseC_SectionKindTable, section.DynTypeId());
}
