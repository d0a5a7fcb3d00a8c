#include "oif/impl/oif_LoadFamilies.h"

namespace {

using Fam = kloC_LoadFamily;

constexpr oif_LoadFamilyRow kRows[] = {
    {Fam::Cflux, "*Cflux", ", ", nullptr, nullptr, 11, false},
    {Fam::Dflux, "*Dflux", ", ", "BF", "BFNU", 0, false},
    {Fam::Dsflux, "*Dsflux", ", ", "S", "SNU", 0, false},
    {Fam::Dsflow, "*Dsflow", ", ", "S", "SNU", 0, false},
    {Fam::FluidFlux, "*Fluid Flux", ", ", nullptr, nullptr, 0, false},
    {Fam::Cecharge, "*Cecharge", ",", " ", " ", 0, true},
    {Fam::Decharge, "*Decharge", ",", "EBF", "EBF", 0, true},
    {Fam::Dsecharge, "*Dsecharge", ",", "ES", "ES", 0, true},
    {Fam::Cecurrent, "*Cecurrent", ",", " ", " ", 0, true},
    {Fam::Decurrent, "*Decurrent", ",", "CBF", "CBF", 0, true},
    {Fam::Dsecurrent, "*Dsecurrent", ",", "CS", "CS", 0, true},
};

constexpr bool InFamilyOrder() {
  for (int i = 0; i < int(std::size(kRows)); ++i)
    if (int(kRows[i].family) != int(Fam::Cflux) + i) return false;
  return int(Fam::Cflux) + int(std::size(kRows)) == int(Fam::ConnectorLoad);
}
static_assert(InFamilyOrder(), "one row per family from *Cflux to *Dsecurrent, in family order");

}  // namespace

std::span<const oif_LoadFamilyRow> oif_LoadFamilyRows() { return kRows; }

const oif_LoadFamilyRow& oif_LoadFamilyRowOf(kloC_LoadFamily family) {
  const int index = int(family) - int(Fam::Cflux);
  NEX_ASSERT(index >= 0 && index < int(std::size(kRows)));
  return kRows[index];
}

oif_FamilyLoad::oif_FamilyLoad(kloC_LoadFamily family, const oif_KeywordForm& form,
                               std::shared_ptr<const kloC_Load> load, std::size_t step, const cow_String& regionName,
                               double scale)
    : oif_LoadKeyword(form, std::move(load), step, regionName, scale), row_(&oif_LoadFamilyRowOf(family)) {
  if (KindLoad() && !form_.removed) {
    const kloC_LoadState& state = State();
    values_ = {state.real[0].ConstGet(), state.imag[0].ConstGet()};
  }
}

double oif_FamilyLoad::Value(int index) const {
  NEX_ASSERT(index >= 0 && index < 2);
  return values_[std::size_t(index)];
}

void oif_FamilyLoad::DataLine(utl_Stream& stream, double value) const {
  oif_DataLine line(stream, row_->separator);
  line << region_;
  if (row_->dof != 0) line << row_->dof;
  const bool user = KindLoad()->distribution == kloC_KindLoad::DISTRIBUTION_USER;
  if (const char* label = user ? row_->userLabel : row_->label) line << label;
  line << value;
  line.End();
}

void oif_FamilyLoad::Write(utl_Stream& stream) const {
  const kloC_LoadKind kind = Kind();
  if (kind == kloC_LoadKind::Count || kloC_Info(kind).family != row_->family)
    nex_AssertException("\"Invalid load type for " + cow_String(row_->keyword) + "\" == 0")
        .Throw("oif_LoadFamilies", __LINE__);
  if (form_.removed) {
    WriteLine(stream, row_->keyword, 0);
    return;
  }
  const kloC_LoadState& state = State();
  if (!row_->electric) {
    WriteLine(stream, row_->keyword, 0);
    if (form_.Due(state.real[0].State())) DataLine(stream, Value(0) * scale_);
    return;
  }
  // Electric: load case 1 with the real part, and for a complex load load
  // case 2 with the imaginary part; a zero value gives no line.
  WriteLine(stream, row_->keyword, 1);
  const bool complex = state.IsComplex();
  if ((complex || form_.Due(state.real[0].State())) && Value(0) * scale_ != 0.0) DataLine(stream, Value(0) * scale_);
  if (!complex) return;
  WriteLine(stream, row_->keyword, 2);
  if (Value(1) * scale_ != 0.0) DataLine(stream, Value(1) * scale_);
}
