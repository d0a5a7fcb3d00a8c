#include "oif/impl/oif_Viscoelastic.h"

void oif_Viscoelastic::Write(utl_Stream& stream) const {
  using A = kmaC_Attr;
  using V = kmaC_Viscoelastic;
  oif_KeywordLine line(stream, "*Viscoelastic");
  bool fit = false;
  if (option_.Int(A::Domain) == V::TIME) {
    static constexpr const char* kTestForms[] = {"CREEP TEST DATA", "RELAXATION TEST DATA", "FREQUENCY DATA"};
    const int kind = option_.Int(A::Time);
    line.ParamNoBreak("time", kind >= 1 && kind <= 3 ? kTestForms[kind - 1] : V::Time.GetString(kind));
    fit = kind >= 1 && kind <= 3;
  } else {
    static constexpr const char* kTestForms[] = {"CREEP TEST DATA", "RELAXATION TEST DATA"};
    const int kind = option_.Int(A::Frequency);
    line.ParamNoBreak("frequency", kind == 3 || kind == 4 ? kTestForms[kind - 3] : V::Frequency.GetString(kind));
    fit = kind == 3 || kind == 4;
  }
  if (fit) {
    line.ParamUnlessDefault("errtol", option_.Real(A::Errtol), 0.01);
    line.ParamUnlessDefault("nmax", option_.Int(A::Nmax), 13);
  }
  line.End();
  oif_PrintTable(stream, option_.Table());
  oif_WriteSubOptions(stream, option_,
                      {kmaC_OptionKind::CombinedTestData, kmaC_OptionKind::ShearTestData, kmaC_OptionKind::Trs,
                       kmaC_OptionKind::VolumetricTestData});
}
