#pragma once
// The load keywords that differ only in keyword text and data columns,
// defined from one row each: the flux and flow families (*Cflux, *Dflux,
// *Dsflux, *Dsflow, *Fluid Flux) and the electric families (*Cecharge,
// *Decharge, *Dsecharge, *Cecurrent, *Decurrent, *Dsecurrent).
#include <span>

#include "oif/impl/oif_LoadKeyword.h"

struct oif_LoadFamilyRow {
  kloC_LoadFamily family{};
  const char* keyword = nullptr;    ///< "*Cflux"
  const char* separator = nullptr;  ///< between the values of a data line
  const char* label = nullptr;      ///< text between region and value; nullptr for none
  const char* userLabel = nullptr;  ///< the same for a user distribution
  int dof = 0;                      ///< degree of freedom between region and value (0: none)
  /// Electric families: "load case=1" on every keyword line but a removed
  /// one, the imaginary part under "load case=2", no line for a zero value.
  bool electric = false;
};

/// The rows, one per family of kloC_LoadFamily from Cflux to Dsecurrent, in
/// family order.
std::span<const oif_LoadFamilyRow> oif_LoadFamilyRows();
/// The row of a family; asserts that the family has one.
const oif_LoadFamilyRow& oif_LoadFamilyRowOf(kloC_LoadFamily family);

/// One load of a table-driven family in one step.
class oif_FamilyLoad : public oif_LoadKeyword {
 public:
  oif_FamilyLoad(kloC_LoadFamily family, const oif_KeywordForm& form, std::shared_ptr<const kloC_Load> load,
                 std::size_t step, const cow_String& regionName, double scale);
  zkw_Keyword* Clone() const override { return new oif_FamilyLoad(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  /// The real (0) or imaginary (1) value of an electric load.
  double Value(int index) const;
  void DataLine(utl_Stream& stream, double value) const;

  const oif_LoadFamilyRow* row_;
  std::array<double, 2> values_{};
};

/// The keyword classes of the families, by their keyword.
template <kloC_LoadFamily F>
class oif_FamilyLoadOf : public oif_FamilyLoad {
 public:
  oif_FamilyLoadOf(const oif_KeywordForm& form, std::shared_ptr<const kloC_Load> load, std::size_t step,
                   const cow_String& regionName, double scale)
      : oif_FamilyLoad(F, form, std::move(load), step, regionName, scale) {}
};
using oif_Cflux = oif_FamilyLoadOf<kloC_LoadFamily::Cflux>;
using oif_Dflux = oif_FamilyLoadOf<kloC_LoadFamily::Dflux>;
using oif_Dsflux = oif_FamilyLoadOf<kloC_LoadFamily::Dsflux>;
using oif_Dsflow = oif_FamilyLoadOf<kloC_LoadFamily::Dsflow>;
using oif_FluidFlux = oif_FamilyLoadOf<kloC_LoadFamily::FluidFlux>;
using oif_Cecharge = oif_FamilyLoadOf<kloC_LoadFamily::Cecharge>;
using oif_Decharge = oif_FamilyLoadOf<kloC_LoadFamily::Decharge>;
using oif_Dsecharge = oif_FamilyLoadOf<kloC_LoadFamily::Dsecharge>;
using oif_Cecurrent = oif_FamilyLoadOf<kloC_LoadFamily::Cecurrent>;
using oif_Decurrent = oif_FamilyLoadOf<kloC_LoadFamily::Decurrent>;
using oif_Dsecurrent = oif_FamilyLoadOf<kloC_LoadFamily::Dsecurrent>;
