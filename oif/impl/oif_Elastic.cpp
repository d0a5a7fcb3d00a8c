#include "oif/impl/oif_Elastic.h"

#include "oif/impl/oif_DataTable.h"
#include "oif/impl/oif_KeywordLine.h"

void oif_Elastic::Write(utl_Stream& stream) const {
  using A = kmaC_Attr;
  oif_KeywordLine line(stream, "*Elastic");
  oif_AddDependencies(line, option_.Dependencies());
  const int type = option_.Int(A::Type);
  if (type == kmaC_Elastic::ENGINEERING_CONSTANTS)
    line.Param("type", "ENGINEERING CONSTANTS");
  else if (type != kmaC_Elastic::ISOTROPIC)
    line.Param("type", kmaC_Elastic::Type.GetString(type));
  if (viscoelastic_)
    line.Param("moduli", oif_ModuliText(option_.Int(A::Moduli)));
  line.End();
  oif_PrintTableT(stream, option_);
  oif_WriteSubOptions(stream, option_, {kmaC_OptionKind::FailStrain, kmaC_OptionKind::FailStress});
  if (option_.Flag(A::NoCompression)) oif_KeywordLine(stream, "*No Compression").End();
  if (option_.Flag(A::NoTension)) oif_KeywordLine(stream, "*No Tension").End();
}
