#include "oif/impl/oif_DruckerPrager.h"

#include "oif/impl/oif_DataTable.h"
#include "oif/impl/oif_Plastic.h"

void oif_DruckerPrager::Write(utl_Stream& stream) const {
  using A = kmaC_Attr;
  const int criterion = option_.Int(A::ShearCriterion);
  const bool testData = option_.Flag(A::TestData);
  oif_KeywordLine line(stream, "*Drucker Prager");
  oif_AddDependencies(line, option_.Dependencies());
  line.ParamUnlessDefault("eccentricity", option_.Real(A::Eccentricity), 0.1);
  if (criterion != kmaC_DruckerPrager::LINEAR)
    line.Param("shearcriterion", criterion == kmaC_DruckerPrager::HYPERBOLIC ? "HYPERBOLIC" : "EXPONENT FORM");
  if (testData) line.Flag("testdata");
  line.End();

  oif_DataTable table(option_.Table());
  if (criterion == kmaC_DruckerPrager::HYPERBOLIC) {
    table.InsertEmptyColumn(2);
  } else if (criterion == kmaC_DruckerPrager::EXPONENT_FORM) {
    if (testData)
      for (int i = 0; i < 3; ++i) table.InsertEmptyColumn(0);
    else
      table.InsertEmptyColumn(2);
  }
  if (!option_.TemperatureDependency() && option_.Dependencies() >= 1)
    table.InsertEmptyColumn(criterion != kmaC_DruckerPrager::LINEAR ? 4 : 3);
  table.Print(stream);
  oif_WriteSubOptions(stream, option_,
                      {kmaC_OptionKind::DruckerPragerCreep, kmaC_OptionKind::DruckerPragerHardening,
                       kmaC_OptionKind::RateDependent, kmaC_OptionKind::TriaxialTestData});
}

void oif_DruckerPragerHardening::Write(utl_Stream& stream) const {
  using A = kmaC_Attr;
  const int type = option_.Int(A::Type);
  const auto header = [&](const double* rate) {
    oif_KeywordLine line(stream, "*Drucker Prager Hardening");
    oif_AddDependencies(line, option_.Dependencies());
    if (rate != nullptr) line.ParamNoBreak("rate", *rate);
    if (type != 0) line.Param("type", kmaC_DruckerPragerHardening::Type.GetString(type));
    line.End();
  };
  if (!option_.Flag(A::RateData)) {
    header(nullptr);
    oif_PrintTableT(stream, option_);
    return;
  }
  oif_PrintRateRows(stream, option_.Table(), option_.TemperatureDependency(), option_.Dependencies(),
                    [&](double rate) { header(&rate); });
}
