#include "oif/impl/oif_Sorption.h"

#include "oif/impl/oif_KeywordLine.h"

namespace {
void Law(oif_KeywordLine& line, int law, const omu_PrimEnumBase& texts) {
  if (law != 1) line.Param("law", texts.GetString(law));  // 1, tabular, is the solver's default
}
}  // namespace

void oif_Sorption::Write(utl_Stream& stream) const {
  using A = kmaC_Attr;
  {
    oif_KeywordLine line(stream, "*Sorption");
    Law(line, option_.Int(A::Law), kmaC_Sorption::LawAbsorption);
    line.End();
  }
  oif_PrintTable(stream, option_.Table());
  const kmaC_TableData* exsorption = option_.TableAttr(A::Exsorption);
  if (exsorption == nullptr) return;
  oif_KeywordLine line(stream, "*Sorption, type=Exsorption");
  Law(line, option_.Int(A::ExsorptionLaw), kmaC_Sorption::LawExsorption);
  line.End();
  oif_PrintTable(stream, exsorption->table);
  const double scanning = option_.Real(A::Scanning);
  if (scanning == 0.0) return;
  oif_KeywordLine(stream, "*Sorption").ParamNoBreak("type", "Scanning").End();
  (oif_DataLine(stream) << scanning).End();
}
