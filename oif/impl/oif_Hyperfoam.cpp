#include "oif/impl/oif_Hyperfoam.h"

void oif_Hyperfoam::Write(utl_Stream& stream) const {
  using A = kmaC_Attr;
  using K = kmaC_OptionKind;
  const bool testData = option_.Flag(A::TestData);
  oif_KeywordLine line(stream, "*Hyperfoam");
  line.ParamUnlessDefault("n", option_.Int(A::Order), 1);
  line.Param("poisson", option_.Real(A::Poisson));  // left out while unset
  if (testData) line.Flag("testdata");
  if (viscoelastic_)
    line.Param("moduli", oif_ModuliText(option_.Int(A::Moduli)));
  line.End();
  if (!testData) {
    oif_PrintTable(stream, option_.Table());
    return;
  }
  oif_WriteSubOptions(stream, option_,
                      {K::BiaxialTestData, K::PlanarTestData, K::SimpleShearTestData, K::UniaxialTestData,
                       K::VolumetricTestData});
}
