#pragma once
// The beam profile kinds: every class of beam section profile, with its name
// in the model file. The model file reader and the writer each keep one row
// per kind in the same order (mfl_Sections.cpp, oif_BeamSections.cpp).
#include <memory>
#include <string>

#include "modeldb/kbpC_BeamProfile.h"
#include "modeldb/mdl_KindTable.h"

enum class kbpC_ProfileKind : int {
  Rectangular, Circular, Pipe, Hexagonal, Box, I, T, L, Trapezoidal, Arbitrary, Generalized,
  Count
};

/// A new profile of class T.
template <class T>
std::shared_ptr<kbpC_BeamProfile> kbpC_MakeProfile(std::string name) {
  return std::make_shared<T>(std::move(name));
}

struct kbpC_ProfileKindInfo {
  kbpC_ProfileKind kind;
  const char* className;       ///< "kbpC_RectangularProfile"
  const char* fileName;        ///< the profile's "kind" in the model file
  const std::type_info* type;  ///< typeid of the class
  /// A new profile of the class.
  std::shared_ptr<kbpC_BeamProfile> (*make)(std::string name);
};

template <class T>
constexpr kbpC_ProfileKindInfo kbpC_ProfileRow(kbpC_ProfileKind kind, const char* className, const char* fileName) {
  return {kind, className, fileName, &typeid(T), &kbpC_MakeProfile<T>};
}

// clang-format off
inline constexpr kbpC_ProfileKindInfo kbpC_ProfileKindTable[] = {
    kbpC_ProfileRow<kbpC_RectangularProfile>(kbpC_ProfileKind::Rectangular, "kbpC_RectangularProfile", "rectangular"),
    kbpC_ProfileRow<kbpC_CircularProfile>(kbpC_ProfileKind::Circular, "kbpC_CircularProfile", "circular"),
    kbpC_ProfileRow<kbpC_PipeProfile>(kbpC_ProfileKind::Pipe, "kbpC_PipeProfile", "pipe"),
    kbpC_ProfileRow<kbpC_HexagonalProfile>(kbpC_ProfileKind::Hexagonal, "kbpC_HexagonalProfile", "hexagonal"),
    kbpC_ProfileRow<kbpC_BoxProfile>(kbpC_ProfileKind::Box, "kbpC_BoxProfile", "box"),
    kbpC_ProfileRow<kbpC_IbeamProfile>(kbpC_ProfileKind::I, "kbpC_IbeamProfile", "I"),
    kbpC_ProfileRow<kbpC_TbeamProfile>(kbpC_ProfileKind::T, "kbpC_TbeamProfile", "T"),
    kbpC_ProfileRow<kbpC_LbeamProfile>(kbpC_ProfileKind::L, "kbpC_LbeamProfile", "L"),
    kbpC_ProfileRow<kbpC_TrapezoidalProfile>(kbpC_ProfileKind::Trapezoidal, "kbpC_TrapezoidalProfile", "trapezoidal"),
    kbpC_ProfileRow<kbpC_ArbitraryProfile>(kbpC_ProfileKind::Arbitrary, "kbpC_ArbitraryProfile", "arbitrary"),
    kbpC_ProfileRow<kbpC_GeneralizedProfile>(kbpC_ProfileKind::Generalized, "kbpC_GeneralizedProfile",
        "generalized"),
};
// clang-format on
static_assert(mdl_OneRowPerKindInOrder<kbpC_ProfileKind>(kbpC_ProfileKindTable));

inline const kbpC_ProfileKindInfo& kbpC_Info(kbpC_ProfileKind kind) { return kbpC_ProfileKindTable[int(kind)]; }

/// The row of a profile's class; nullptr for a class outside the table.
inline const kbpC_ProfileKindInfo* kbpC_FindProfileKind(const kbpC_BeamProfile& profile) {
  return mdl_RowOfType(kbpC_ProfileKindTable, profile.DynTypeId());
}
