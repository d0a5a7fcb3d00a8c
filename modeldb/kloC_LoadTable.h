#pragma once
// The kinds of loads, described once: the class name, the name in the model
// file, the type label of the deck's comments, the keyword group (status
// key) and keyword family, the kind of region the load acts on and the
// names of its components in the model file. The loader and the load
// builder dispatch through this table; a kind outside it is refused.
#include <array>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <typeindex>

#include "modeldb/kloC_Load.h"

inline constexpr int kloC_LoadKindCount = int(kloC_LoadKind::Count);

/// The keyword family a kind is written with.
enum class kloC_LoadFamily : unsigned char {
  Cload, Dload, Dsload, Cflux, Dflux, Dsflux, Dsflow, FluidFlux,
  Cecharge, Decharge, Dsecharge, Cecurrent, Decurrent, Dsecurrent,
  ConnectorLoad,
  None,         ///< no written form ("Unimplemented load type conversion")
  CommentOnly,  ///< inertia relief: the comment alone
};

/// The region a kind acts on.
enum class kloC_LoadRegion : unsigned char { NodeSet, ElementSet, Surface, Wires };

struct kloC_LoadInfo {
  kloC_LoadKind kind{};
  const char* className = nullptr;  ///< "kloC_ConcentratedForce"
  const char* fileName = nullptr;   ///< kind in the model file ("concentrated force")
  const char* label = nullptr;      ///< type label of the deck's comment ("Concentrated force")
  int statusKey = 0;                ///< keyword group of the load operation status
  kloC_LoadFamily family{};
  kloC_LoadRegion region{};
  std::array<const char*, 3> components{};  ///< component names in the model file
  int componentCount = 0;
  bool complex = false;      ///< may carry imaginary parts
  bool distributed = false;  ///< may be given by a user distribution

  std::span<const char* const> Components() const noexcept {
    return {components.data(), std::size_t(componentCount)};
  }
};

/// The kind table: one row per kind, in kind order.
MDB_API std::span<const kloC_LoadInfo> kloC_LoadTable();
/// The row of a kind; asserts that the kind is one of the table.
MDB_API const kloC_LoadInfo& kloC_Info(kloC_LoadKind kind);
/// The row whose model-file name is `fileName`, or nullptr.
MDB_API const kloC_LoadInfo* kloC_FindKind(std::string_view fileName);
/// The row of a load class, or nullptr (bolt loads, foreign classes).
MDB_API const kloC_LoadInfo* kloC_FindKind(std::type_index type);
/// The type identifier of a kind's class.
MDB_API std::type_index kloC_TypeIdOf(kloC_LoadKind kind);
/// A new load of a kind, of its concrete class.
MDB_API std::shared_ptr<kloC_KindLoad> kloC_Make(kloC_LoadKind kind, const std::string& name);
