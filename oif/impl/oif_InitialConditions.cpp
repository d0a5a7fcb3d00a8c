#include "oif/impl/oif_InitialConditions.h"

#include "oif/impl/oif_KeywordLine.h"

namespace {

/// The values of a list attribute, padded with zeros to `count` (0: as many as given).
std::vector<double> Values(const mdl_PropAttr<std::vector<double>>& attr, std::size_t count = 0) {
  std::vector<double> values = attr.ConstGet();
  if (count != 0) values.resize(count, 0.0);
  return values;
}

}  // namespace

oif_InitialConditions::oif_InitialConditions(std::shared_ptr<const kpfC_Field> field, std::size_t step,
                                             const cow_String& regionName, const oif_KeywordForm& form,
                                             int maxFieldVariable, int valuesPerPoint)
    : oif_FieldKeyword(std::move(field), step, regionName, form),
      maxFieldVariable_(maxFieldVariable),
      valuesPerPoint_(valuesPerPoint) {}

void oif_InitialConditions::Distribution(oif_KeywordLine& line) const {
  const kpfC_FieldState& state = State();
  switch (field_->distribution) {
    case kpfC_User:
      line.Flag("USER");
      return;
    case kpfC_Geostatic:
      line.Flag("GEOSTATIC");
      return;
    case kpfC_FromFile:
      line.Param("file", oif_ResultsFileName(state.file.ConstGet()));
      if (state.fileStep.IsSet()) line.Param("step", state.fileStep.ConstGet());
      if (state.fileIncrement.IsSet()) line.Param("inc", state.fileIncrement.ConstGet());
      if (state.interpolation.IsSet() && state.interpolation.ConstGet() == 1) line.Flag("interpolate");
      if (state.interpolation.IsSet() && state.interpolation.ConstGet() == 2) line.Flag("midside");
      return;
    default:
      return;
  }
}

void oif_InitialConditions::WriteLine(utl_Stream& stream) const {
  const kpfC_FieldState& state = State();
  oif_KeywordLine line(stream, "*Initial Conditions");
  switch (field_->Kind()) {
    case kpfC_FieldKind::Temperature: {
      line.ParamNoBreak("type", "TEMPERATURE");
      Distribution(line);
      const auto& absolute = state.absoluteExteriorTolerance;
      if (absolute.IsSet() && absolute.ConstGet() != 0.0) line.Param("absolute exterior tolerance", absolute.ConstGet());
      const auto& relative = state.exteriorTolerance;
      if (relative.IsSet() && relative.ConstGet() != 0.05) line.Param("exterior tolerance", relative.ConstGet());
      break;
    }
    case kpfC_FieldKind::GeneralField:
      line.ParamNoBreak("type", "FIELD").Literal(", variable = ").Literal(field_->variable);
      Distribution(line);
      break;
    case kpfC_FieldKind::Velocity:
      line.ParamNoBreak("type", field_->IsRotatingVelocity() ? "ROTATING VELOCITY" : "VELOCITY");
      break;
    case kpfC_FieldKind::Stress:
      line.ParamNoBreak("type", "STRESS");
      Distribution(line);
      break;
    case kpfC_FieldKind::Hardening:
      line.ParamNoBreak("type", "HARDENING");
      Distribution(line);
      break;
    case kpfC_FieldKind::Solution:
      line.ParamNoBreak("type", "SOLUTION");
      Distribution(line);
      break;
    default:
      nex_TextException("Unimplemented initial condition!").Throw("oif_InitialConditions", __LINE__);
  }
  line.End();
}

void oif_InitialConditions::WriteData(utl_Stream& stream) const {
  const kpfC_FieldState& state = State();
  const int distribution = field_->distribution;
  switch (field_->Kind()) {
    case kpfC_FieldKind::Temperature:
      if (distribution == kpfC_Uniform || distribution == kpfC_User)
        oif_WriteValueLines(stream, regionName_, Temperatures(valuesPerPoint_));
      return;
    case kpfC_FieldKind::GeneralField:
      if (distribution == kpfC_Uniform || distribution == kpfC_User)
        oif_WriteValueLines(stream, regionName_, state.values.ConstGet());
      return;
    case kpfC_FieldKind::Velocity: {
      if (field_->IsRotatingVelocity()) {
        std::vector<double> first = {state.value.ConstGet()};
        for (double v : Values(state.velocity, 3)) first.push_back(v);
        oif_WriteTrailingLine(stream, regionName_, first);
        oif_WriteTrailingLine(stream, cow_String(), Values(state.axis, 6));
        return;
      }
      const std::vector<double> velocity = Values(state.velocity, 3);
      for (int d = 1; d <= 3; ++d) {
        oif_DataLine line(stream);
        line << regionName_ << d << velocity[std::size_t(d - 1)];
        line.End();
      }
      return;
    }
    case kpfC_FieldKind::Stress:
      if (distribution == kpfC_Uniform)
        oif_WriteTrailingLine(stream, regionName_, Values(state.values));
      else if (distribution == kpfC_Geostatic)
        oif_WriteTrailingLine(stream, regionName_, Values(state.geostatic, 6));
      return;
    case kpfC_FieldKind::Hardening:
      if (distribution == kpfC_Uniform) {
        std::vector<double> values = {state.value.ConstGet()};
        for (double v : Values(state.values)) values.push_back(v);
        oif_WriteTrailingLine(stream, regionName_, values);
      }
      return;
    case kpfC_FieldKind::Solution:
      if (distribution == kpfC_Uniform) oif_WriteValueLines(stream, regionName_, state.values.ConstGet());
      return;
    default:
      nex_TextException("Unimplemented field for initial condition!").Throw("oif_InitialConditions", __LINE__);
  }
}

void oif_InitialConditions::Write(utl_Stream& stream) const {
  WriteLine(stream);
  if (!form_.removed) WriteData(stream);
}
