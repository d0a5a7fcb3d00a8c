#include "oif/impl/oif_AcousticMedium.h"

#include "oif/impl/oif_DataTable.h"
#include "oif/impl/oif_KeywordLine.h"

namespace {
/// ", dependencies=n", without a break candidate before it.
void Dependencies(oif_KeywordLine& line, int dependencies) {
  if (dependencies > 0) line.ParamNoBreak("dependencies", dependencies);
}

void PrintTable(utl_Stream& stream, const kmaC_MaterialTable& source, bool temperature, int dependencies) {
  oif_DataTable table(source);
  table.ApplyRuleT(temperature, dependencies);
  table.Print(stream);
}
}  // namespace

void oif_AcousticMedium::Write(utl_Stream& stream) const {
  oif_KeywordLine line(stream, "*Acoustic Medium");
  Dependencies(line, option_.Dependencies());
  line.End();
  PrintTable(stream, option_.Table(), option_.TemperatureDependency(), option_.Dependencies());
  if (const kmaC_TableData* drag = option_.TableAttr(kmaC_Attr::VolumetricDrag)) {
    oif_KeywordLine dragLine(stream, "*Acoustic Medium");
    dragLine.FlagNoBreak("Volumetric Drag");
    Dependencies(dragLine, drag->dependencies);
    dragLine.End();
    PrintTable(stream, drag->table, drag->temperatureDependency, drag->dependencies);
  }
}
