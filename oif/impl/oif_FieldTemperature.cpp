#include "oif/impl/oif_FieldTemperature.h"

#include "oif/impl/oif_KeywordLine.h"

oif_FieldTemperature::oif_FieldTemperature(std::shared_ptr<const kpfC_Field> field, std::size_t step,
                                           const cow_String& regionName, const oif_KeywordForm& form,
                                           int valuesPerPoint)
    : oif_FieldKeyword(std::move(field), step, regionName, form), valuesPerPoint_(valuesPerPoint) {}

void oif_FieldTemperature::Write(utl_Stream& stream) const {
  oif_KeywordLine line(stream, "*Temperature");
  if (!Open(line)) return;
  const kpfC_FieldState& state = State();
  switch (field_->distribution) {
    case kpfC_Uniform:
      WriteGiven(stream, line, Scaled(Temperatures(valuesPerPoint_)));
      return;
    case kpfC_User:
      WriteUser(stream, line);
      return;
    case kpfC_FromFile:
    case kpfC_FromFileUser:
      FileParams(line);
      if (state.interpolation.IsSet()) {
        if (state.interpolation.ConstGet() == 2) {
          line.Flag("midside");
        } else if (state.interpolation.ConstGet() == 1) {
          line.Flag("interpolate");
          const auto& absolute = state.absoluteExteriorTolerance;
          if (absolute.IsSet() && absolute.ConstGet() != 0.0)
            line.Param("absolute exterior tolerance", absolute.ConstGet());
          const auto& relative = state.exteriorTolerance;
          if (relative.IsSet() && relative.ConstGet() != 0.05) line.Param("exterior tolerance", relative.ConstGet());
        }
      }
      line.End();
      return;
    default:
      line.End();
  }
}
