#include "oif/impl/oif_Controls.h"

#include "exceptions/nex_Exception.h"
#include "oif/impl/oif_KeywordLine.h"

namespace {

/// Values `from` to `to` of a list against the same values of its default
/// list, as fields of `data`: a value equal to its default leaves its field
/// empty. A list whose length differs from the default list's adds nothing.
void Range(oif_DataLine& data, const std::vector<double>& values, const std::vector<double>& defaults,
           std::size_t from, std::size_t to, bool asInt) {
  if (values.size() != defaults.size() || to >= values.size()) return;
  for (std::size_t i = from; i <= to; ++i) {
    if (asInt ? int(values[i]) == int(defaults[i]) : values[i] == defaults[i])
      data.Empty();
    else if (asInt)
      data << int(values[i]);
    else
      data << values[i];
  }
}

/// One data line of a range; its empty fields keep their separators.
void RangeLine(utl_Stream& stream, const std::vector<double>& values, const std::vector<double>& defaults,
               std::size_t from, std::size_t to, bool asInt) {
  oif_DataLine data(stream);
  Range(data, values, defaults, from, to, asInt);
  data.End(true);
}

/// Lists of the same length that differ in a value from `from` on.
bool DiffersFrom(const std::vector<double>& values, const std::vector<double>& defaults, std::size_t from) {
  if (values.size() != defaults.size()) return false;
  for (std::size_t i = from; i < values.size(); ++i)
    if (values[i] != defaults[i]) return true;
  return false;
}

void TimeIncrementation(utl_Stream& stream, const std::vector<double>& values, const std::vector<double>& defaults) {
  if (values == defaults) return;
  oif_KeywordLine(stream, "*Controls").ParamNoBreak("parameters", "time incrementation").End();
  RangeLine(stream, values, defaults, 0, 10, true);
  if (DiffersFrom(values, defaults, 11)) RangeLine(stream, values, defaults, 11, 18, false);
  if (DiffersFrom(values, defaults, 19)) RangeLine(stream, values, defaults, 19, 26, false);
  if (DiffersFrom(values, defaults, 27)) RangeLine(stream, values, defaults, 27, 27, false);
}

void Constraints(utl_Stream& stream, const std::vector<double>& values) {
  const std::vector<double>& defaults = kprC_PrimaryControls::constraintsDef();
  if (values == defaults) return;
  oif_KeywordLine(stream, "*Controls").ParamNoBreak("parameters", "constraints").End();
  oif_DataLine data(stream);
  if (!values.empty()) Range(data, values, defaults, 0, values.size() - 1, false);
  data.End(true);
}

/// The number of line search iterations is compared with the quasi-Newton
/// default when the step uses that technique.
void LineSearch(utl_Stream& stream, const std::vector<double>& values, bool quasiNewton) {
  const std::vector<double>& defaults = kprC_PrimaryControls::lineSearchDef();
  if (values.empty()) return;
  const int iterations = quasiNewton ? kprC_PrimaryControls::QuasiNewtonLineSearches : int(defaults[0]);
  const bool sameLength = values.size() == defaults.size();
  if (sameLength && int(values[0]) == iterations && !DiffersFrom(values, defaults, 1)) return;
  oif_KeywordLine(stream, "*Controls").ParamNoBreak("parameters", "line search").End();
  oif_DataLine data(stream);
  if (sameLength) {
    if (int(values[0]) != iterations)
      data << int(values[0]);
    else
      data.Empty();
    Range(data, values, defaults, 1, defaults.size() - 1, false);
  }
  data.End(true);
}

}  // namespace

bool oif_Controls::WriteGeneral(utl_Stream& stream, const kprC_PrimaryControls& controls) const {
  if (controls.propagated) return false;
  oif_KeywordLine(stream, "*Controls").FlagNoBreak("reset").End();
  if (controls.defaults) return false;
  if (controls.discontinuous) oif_KeywordLine(stream, "*Controls").ParamNoBreak("analysis", "discontinuous").End();
  TimeIncrementation(stream, controls.timeIncrementation,
                     kprC_PrimaryControls::timeIncrementationDef(controls.discontinuous));
  Constraints(stream, controls.constraints);
  LineSearch(stream, controls.lineSearch, lineSearch_);
  return true;
}

void oif_Controls::WriteField(utl_Stream& stream, const char* field, const std::vector<double>& values,
                              bool displacement) {
  const std::vector<double>& defaults = kprC_PrimaryControls::fieldDef(displacement);
  if (values == defaults) return;
  oif_KeywordLine(stream, "*Controls").ParamNoBreak("parameters", "field").ParamNoBreak("field", field).End();
  RangeLine(stream, values, defaults, 0, 7, false);
  if (values.size() >= 9 && DiffersFrom(values, defaults, 8))
    RangeLine(stream, values, defaults, 8, values.size() - 1, false);
}

void oif_TypicalControls::WriteTypicalFields(utl_Stream& stream, const kprC_TypicalControls& controls) {
  WriteField(stream, "displacement", controls.displacement, true);
  WriteField(stream, "hydrostatic fluid pressure", controls.hydrostaticFluidPressure);
  WriteField(stream, "rotation", controls.rotation);
}

void oif_TypicalControls::Write(utl_Stream& stream) const {
  if (!WriteGeneral(stream, controls_)) return;
  WriteTypicalFields(stream, controls_);
}

void oif_HeatTransferControls::Write(utl_Stream& stream) const {
  if (!WriteGeneral(stream, controls_)) return;
  WriteField(stream, "temperature", controls_.temperature);
}

void oif_MassDiffusionControls::Write(utl_Stream& stream) const {
  if (!WriteGeneral(stream, controls_)) return;
  WriteField(stream, "concentration", controls_.concentration);
}

void oif_CTEControls::Write(utl_Stream& stream) const {
  if (!WriteGeneral(stream, controls_)) return;
  WriteField(stream, "temperature", controls_.temperature);
  WriteField(stream, "electrical potential", controls_.electricalPotential);
}

void oif_CTDControls::Write(utl_Stream& stream) const {
  if (!WriteGeneral(stream, controls_)) return;
  WriteTypicalFields(stream, controls_);
  WriteField(stream, "temperature", controls_.temperature);
}

void oif_PoreControls::Write(utl_Stream& stream) const {
  if (!WriteGeneral(stream, controls_)) return;
  WriteTypicalFields(stream, controls_);
  WriteField(stream, "pore fluid pressure", controls_.poreFluidPressure);
}

void oif_ElectricalControls::Write(utl_Stream& stream) const {
  if (!WriteGeneral(stream, controls_)) return;
  WriteTypicalFields(stream, controls_);
  WriteField(stream, "electrical potential", controls_.electricalPotential);
}

void oif_SolverControls::Write(utl_Stream& stream) const {
  if (propagated_) return;
  oif_KeywordLine(stream, "*Solver Controls").FlagNoBreak("reset").End();
  if (defaults_) return;
  oif_KeywordLine(stream, "*Solver Controls").End();
  // 0 stands for a value not given.
  oif_DataLine data(stream);
  tolerance_ != 0.0 ? data << tolerance_ : data.Empty();
  maxIterations_ != 0 ? data << maxIterations_ : data.Empty();
  restart_ != 0 ? data << restart_ : data.Empty();
  data.End(true);
}

namespace {

template <class Keyword, class Controls>
void AddControls(const kprC_Controls& controls, bool lineSearch, const std::function<void(const zkw_Keyword&)>& add) {
  add(Keyword(nex_canDynamicCastRef<Controls>(controls, "oif_Controls", __LINE__), lineSearch));
}

using K = kprC_ControlsKind;

constexpr oif_ControlsRow kRows[] = {
    {K::Typical, &AddControls<oif_TypicalControls, kprC_TypicalControls>},
    {K::HeatTransfer, &AddControls<oif_HeatTransferControls, kprC_HeatTransferControls>},
    {K::MassDiffusion, &AddControls<oif_MassDiffusionControls, kprC_MassDiffusionControls>},
    {K::CoupledThermalElectric, &AddControls<oif_CTEControls, kprC_CTEControls>},
    {K::CoupledTempDisplacement, &AddControls<oif_CTDControls, kprC_CTDControls>},
    {K::PoreFluid, &AddControls<oif_PoreControls, kprC_PoreControls>},
    {K::Electrical, &AddControls<oif_ElectricalControls, kprC_ElectricalControls>},
};
static_assert(mdl_OneRowPerKindInOrder<kprC_ControlsKind>(kRows));

}  // namespace

std::span<const oif_ControlsRow> oif_ControlsRows() { return kRows; }

const oif_ControlsRow* oif_FindControlsRow(const kprC_Controls& controls) {
  const kprC_ControlsKindInfo* info = kprC_FindControlsKind(controls);
  return info == nullptr ? nullptr : &kRows[int(info->kind)];
}
