#include "oif/impl/oif_Material.h"

#include "oif/impl/oif_KeywordLine.h"
#include "oif/impl/oif_MaterialOptions.h"
#include "zkw/zkw_VelornName.h"

void oif_Material::Write(utl_Stream& stream) const {
  oif_KeywordLine line(stream, "*Material");
  line.NameNoBreak("name", name_);
  if (const auto& regularization = material_.Regularization()) {
    // Written without break candidates, unlike the parameters of options.
    if (regularization->rtol != 0.03) line.ParamNoBreak("rtol", regularization->rtol);
    if (regularization->strainRateRegularization != kmaC_Regularization::LOGARITHMIC)
      line.ParamNoBreak("strain rate regularization",
                        kmaC_Regularization::StrainRateRegularization.GetString(regularization->strainRateRegularization));
  }
  line.End();
  const bool viscoelastic = material_.IsViscoelastic();
  for (int kind = 0; kind < kmaC_BehaviorCount; ++kind)
    if (const kmaC_MaterialOption* option = material_.Option(kmaC_OptionKind(kind)))
      oif_WriteOption(stream, *option, viscoelastic);
}
