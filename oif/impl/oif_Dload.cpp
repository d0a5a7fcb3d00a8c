#include "oif/impl/oif_Dload.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

bool AnyDue(const oif_KeywordForm& form, const kloC_LoadState& state, int count) {
  for (int c = 0; c < count; ++c)
    if (form.Due(state.real[std::size_t(c)].State())) return true;
  return false;
}

std::array<double, 3> Values(const std::array<mdl_PropAttr<double>, 3>& part) {
  return {part[0].ConstGet(), part[1].ConstGet(), part[2].ConstGet()};
}

}  // namespace

oif_Dload::oif_Dload(const oif_KeywordForm& form, std::shared_ptr<const kloC_Load> load, std::size_t step,
                     const cow_String& regionName, double scale)
    : oif_LoadKeyword(form, std::move(load), step, regionName, scale) {}

void oif_Dload::Write(utl_Stream& stream) const {
  const kloC_LoadKind kind = Kind();
  if (kind == kloC_LoadKind::Count || kloC_Info(kind).family != kloC_LoadFamily::Dload)
    nex_AssertException("\"Invalid load type for *Dload\" == 0").Throw("oif_Dload", __LINE__);
  if (form_.removed) {
    WriteLine(stream, "*Dload", 0);
    return;
  }
  const kloC_LoadState& state = State();
  if (kind == kloC_LoadKind::LineLoad || kind == kloC_LoadKind::BodyForce) return WriteComponents(stream);

  // Gravity, rotational body forces and pipe pressures: one line per part
  // of a complex load (a part that is all zero is left out), or one line
  // when the load's values are due.
  const int count = kind == kloC_LoadKind::Gravity ? 3 : 1;
  auto writeValue = [&](const std::array<mdl_PropAttr<double>, 3>& part) {
    if (kind == kloC_LoadKind::Gravity)
      WriteGravity(stream, Values(part));
    else if (kind == kloC_LoadKind::RotationalBodyForce)
      WriteRotational(stream, part[0].ConstGet());
    else
      WritePipe(stream, part[0].ConstGet());
  };
  if (state.IsComplex()) {
    for (int part = 1; part <= 2; ++part) {
      const std::array<double, 3> values = Values(Part(state, part));
      if (values[0] == 0.0 && values[1] == 0.0 && values[2] == 0.0) continue;
      WriteLine(stream, "*Dload", part);
      writeValue(Part(state, part));
    }
    return;
  }
  WriteLine(stream, "*Dload", 0);
  const bool pipeData = kind == kloC_LoadKind::PipePressure &&
                        (form_.Due(state.zeroHeight.State()) || form_.Due(state.referenceHeight.State()) ||
                         form_.Due(state.diameter.State()));
  if (AnyDue(form_, state, count) || pipeData) writeValue(state.real);
}

// "GRAV", the magnitude and the unit direction: x, y and, in three
// dimensions, z; axisymmetric regions leave the x slot empty.
void oif_Dload::WriteGravity(utl_Stream& stream, const std::array<double, 3>& vector) const {
  const double length = std::sqrt(vector[0] * vector[0] + vector[1] * vector[1] + vector[2] * vector[2]);
  std::array<double, 3> direction{};
  if (length != 0.0)
    for (int i = 0; i < 3; ++i) direction[std::size_t(i)] = vector[std::size_t(i)] / length;
  const kloC_KindLoad::SpaceEnm space = KindLoad()->space;
  oif_DataLine line(stream);
  line << region_ << "GRAV" << length * scale_;
  if (space == kloC_KindLoad::SPACE_AXISYMMETRIC)
    line.Empty();
  else
    line << direction[0];
  line << direction[1];
  if (space == kloC_KindLoad::SPACE_3D) line << direction[2];
  line.End();
}

// "CENTRIF" or "ROTA", the magnitude, then without blanks the first point of
// the axis and the axis's unit direction.
void oif_Dload::WriteRotational(utl_Stream& stream, double magnitude) const {
  const kloC_KindLoad& load = *KindLoad();
  oif_DataLine line(stream);
  line << region_ << (load.variant == 0 ? "CENTRIF" : "ROTA") << magnitude * scale_;
  line.Separator(",");
  for (double coordinate : load.point1) line << coordinate;
  if (load.space == kloC_KindLoad::SPACE_AXISYMMETRIC) {
    line << "0.0" << "1.0" << "0.0";
  } else {
    std::array<double, 3> axis{};
    double length = 0.0;
    for (int i = 0; i < 3; ++i) {
      axis[std::size_t(i)] = load.point2[std::size_t(i)] - load.point1[std::size_t(i)];
      length += axis[std::size_t(i)] * axis[std::size_t(i)];
    }
    length = std::sqrt(length);
    for (double component : axis) line << (length == 0.0 ? 0.0 : component / length);
  }
  line.End();
}

// "PE", "PENU", "HPE" (external) or "PI", "PINU", "HPI" (internal), the
// magnitude, for hydrostatic pressures the heights of zero and of reference
// pressure, and the effective diameter when given.
void oif_Dload::WritePipe(utl_Stream& stream, double magnitude) const {
  const kloC_KindLoad& load = *KindLoad();
  const kloC_LoadState& state = State();
  const bool internal = load.variant == 1;
  const char* label = nullptr;
  switch (load.distribution) {
    case kloC_KindLoad::DISTRIBUTION_USER:
      label = internal ? "PINU" : "PENU";
      break;
    case kloC_KindLoad::DISTRIBUTION_HYDROSTATIC:
      label = internal ? "HPI" : "HPE";
      break;
    default:
      label = internal ? "PI" : "PE";
  }
  oif_DataLine line(stream);
  line << region_ << label << magnitude * scale_;
  auto optional = [&](const mdl_PropAttr<double>& value) {
    if (value.IsSet())
      line << value.ConstGet();
    else
      line.Empty();
  };
  if (load.distribution == kloC_KindLoad::DISTRIBUTION_HYDROSTATIC) {
    optional(state.zeroHeight);
    optional(state.referenceHeight);
  }
  optional(state.diameter);
  line.End();
}

void oif_Dload::WriteComponents(utl_Stream& stream) const {
  const kloC_KindLoad& load = *KindLoad();
  const kloC_LoadState& state = State();
  std::vector<std::string> labels;
  if (load.Kind() == kloC_LoadKind::LineLoad) {
    labels = load.variant == 1 ? std::vector<std::string>{"P1", "P2"} : std::vector<std::string>{"PX", "PY", "PZ"};
  } else if (load.space == kloC_KindLoad::SPACE_AXISYMMETRIC) {
    labels = {"BR", "BZ"};
  } else if (load.space == kloC_KindLoad::SPACE_2D) {
    labels = {"BX", "BY"};
  } else {
    labels = {"BX", "BY", "BZ"};
  }
  if (load.distribution == kloC_KindLoad::DISTRIBUTION_USER)
    for (std::string& label : labels) label += "NU";
  auto dataLine = [&](std::size_t c, double value) {
    oif_DataLine line(stream);
    line << region_ << labels[c].c_str() << value;
    line.End();
  };
  if (state.IsComplex()) {
    for (int part = 1; part <= 2; ++part) {
      const auto& values = Part(state, part);
      bool any = false;
      for (std::size_t c = 0; c < labels.size(); ++c) any = any || values[c].ConstGet() * scale_ != 0.0;
      if (!any) continue;
      WriteLine(stream, "*Dload", part);
      for (std::size_t c = 0; c < labels.size(); ++c)
        if (values[c].ConstGet() * scale_ != 0.0) dataLine(c, values[c].ConstGet() * scale_);
    }
    return;
  }
  WriteLine(stream, "*Dload", 0);
  for (std::size_t c = 0; c < labels.size(); ++c)
    if (form_.Due(state.real[c].State())) dataLine(c, state.real[c].ConstGet() * scale_);
}
