#include "oif/impl/oif_GasketBehavior.h"

#include "oif/impl/oif_KeywordLine.h"
#include "oif/impl/oif_MaterialOptions.h"
#include "zkw/zkw_VelornName.h"

void oif_GasketBehavior::Write(utl_Stream& stream) const {
  using K = kmaC_OptionKind;
  oif_KeywordLine(stream, "*Gasket behavior").NameNoBreak("name", name_).End();
  for (K kind : {K::Creep, K::Depvar, K::Expansion, K::GasketMembraneElasticity, K::GasketThicknessBehavior,
                 K::GasketTransverseShearElasticity, K::UserOutputVariables})
    if (const kmaC_MaterialOption* option = material_.Option(kind)) oif_WriteOption(stream, *option);
}
