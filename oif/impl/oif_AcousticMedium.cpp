#include "oif/impl/oif_AcousticMedium.h"

#include "oif/impl/oif_DataTable.h"

namespace {
/// Writes ", dependencies=n" without a break candidate before it.
void Dependencies(utl_Stream& stream, int dependencies) {
  if (dependencies > 0) stream << ", dependencies=" << dependencies;
}

void PrintTable(utl_Stream& stream, const kmaC_MaterialTable& source, bool temperature, int dependencies) {
  oif_DataTable table(source);
  table.ApplyRuleT(temperature, dependencies);
  table.Print(stream);
}
}  // namespace

void oif_AcousticMedium::Write(utl_Stream& stream) const {
  stream << "*Acoustic Medium";
  stream.OptionalLineBreak();
  Dependencies(stream, option_.Dependencies());
  stream.LineBreak();
  PrintTable(stream, option_.Table(), option_.TemperatureDependency(), option_.Dependencies());
  if (const kmaC_TableData* drag = option_.TableAttr(kmaC_Attr::VolumetricDrag)) {
    stream << "*Acoustic Medium, Volumetric Drag";
    Dependencies(stream, drag->dependencies);
    stream.LineBreak();
    PrintTable(stream, drag->table, drag->temperatureDependency, drag->dependencies);
  }
}
