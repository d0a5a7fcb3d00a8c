#include "oif/impl/oif_Hyperelastic.h"

void oif_Hyperelastic::Write(utl_Stream& stream) const {
  using A = kmaC_Attr;
  using H = kmaC_Hyperelastic;
  using K = kmaC_OptionKind;
  const int type = option_.Int(A::Type);
  const bool testData = option_.Flag(A::TestData);
  const bool marlow = type == H::MARLOW;

  oif_KeywordLine line(stream, "*Hyperelastic");
  if ((type == H::OGDEN || type == H::POLYNOMIAL || type == H::REDUCED_POLYNOMIAL) && option_.Int(A::Order) != 1)
    line.Param("n", option_.Int(A::Order));
  if (type != H::POLYNOMIAL) line.Flag(H::Type.GetString(type));
  if (testData && !marlow) line.Flag("test data input");
  if (type == H::USER) line.Param("type", option_.Flag(A::Compressible) ? "COMPRESSIBLE" : "INCOMPRESSIBLE");
  if (type == H::VAN_DER_WAALS && testData) line.Param("beta", option_.Real(A::Beta));
  if (type == H::USER && option_.Int(A::Properties) != 0) line.Param("properties", option_.Int(A::Properties));
  if (viscoelastic_ || option_.SubOption(K::Hysteresis) != nullptr)
    line.Param("moduli", oif_ModuliText(option_.Int(A::Moduli)));
  if (testData && type != H::UNKNOWN && option_.Int(A::VolumetricResponse) == H::POISSON)
    line.Param("poisson", option_.Real(A::Poisson));
  line.End();

  if (!testData) {
    oif_PrintTable(stream, option_.Table());
  } else {
    // The Marlow form takes the one test its test kind names.
    const int testKind = option_.Int(A::TestKind);
    const auto write = [&](K kind, bool wanted) {
      const kmaC_MaterialOption* sub = option_.SubOption(kind);
      if (sub != nullptr && wanted) oif_WriteOption(stream, *sub);
    };
    write(K::BiaxialTestData, !marlow || testKind == H::BIAXIAL);
    write(K::PlanarTestData, !marlow || testKind == H::PLANAR);
    write(K::UniaxialTestData, !marlow || testKind == H::UNIAXIAL);
    write(K::VolumetricTestData, !marlow || option_.Int(A::VolumetricResponse) == H::VOLUMETRIC_DATA);
  }
  oif_WriteSubOptions(stream, option_, {K::Hysteresis});
}
