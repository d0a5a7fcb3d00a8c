#include "oif/impl/oif_Plastic.h"

#include "oif/impl/oif_DataTable.h"

void oif_PrintRateRows(utl_Stream& stream, const kmaC_MaterialTable& table, bool temperatureDependency,
                       int dependencies, const std::function<void(double rate)>& header) {
  double lastRate = 0.0;
  for (int row = 0; row < table.Rows(); ++row) {
    const double rate = table.At(row, 2);
    if (row == 0 || rate != lastRate) {
      header(rate);
      lastRate = rate;
    }
    oif_DataTable line(table.RowTable(row).RemoveColumn(2));
    if (!temperatureDependency && dependencies > 0) line.InsertEmptyColumn(table.Columns() - dependencies - 1);
    line.Print(stream);
  }
}

void oif_Plastic::Write(utl_Stream& stream) const {
  using A = kmaC_Attr;
  const kmaC_MaterialTable& table = option_.Table();
  const bool temperature = option_.TemperatureDependency();
  const int dependencies = option_.Dependencies();
  const auto subOptions = [&] {
    oif_WriteSubOptions(stream, option_,
                        {kmaC_OptionKind::RateDependent, kmaC_OptionKind::Potential, kmaC_OptionKind::CyclicHardening,
                         kmaC_OptionKind::Ornl, kmaC_OptionKind::CycledPlastic, kmaC_OptionKind::AnnealTemperature});
  };

  if (option_.Flag(A::RateData)) {
    kmaC_MaterialTable sorted = table;
    if (table.Rows() > 0) {
      const int last = table.Columns() - 1;
      sorted = table.MoveColumn(2, last);
      sorted.Sort();
      sorted = sorted.MoveColumn(last, 2);
    }
    oif_PrintRateRows(stream, sorted, temperature, dependencies, [&](double rate) {
      oif_KeywordLine line(stream, "*Plastic");
      line.ParamNoBreak("rate", rate);
      oif_AddDependencies(line, dependencies);
      line.End();
    });
    subOptions();
    return;
  }

  const int hardening = option_.Int(A::Hardening);
  const int dataType = option_.Int(A::DataType);
  oif_KeywordLine line(stream, "*Plastic");
  oif_AddDependencies(line, dependencies);
  if (hardening != kmaC_Plastic::ISOTROPIC)
    line.Param("hardening",
               hardening == kmaC_Plastic::JOHNSON_COOK ? "JOHNSON COOK" : kmaC_Plastic::Hardening.GetString(hardening));
  if (dataType != kmaC_Plastic::HALF_CYCLE) line.Param("datatype", kmaC_Plastic::DataType.GetString(dataType));
  if (hardening == kmaC_Plastic::USER) {
    line.Param("properties", table.Rows());
    line.End();
    if (table.Rows() > 0) oif_PrintTable(stream, table.ColumnAsRow(0));
  } else {
    line.End();
    // Stabilized data carry one strain range for all rows; it goes in as column 2.
    const bool stabilized = dataType == kmaC_Plastic::STABILIZED && table.Columns() >= 2;
    oif_DataTable data(stabilized ? table.InsertColumn(2, option_.Real(A::StrainRange)) : table);
    data.ApplyRuleT(table.Columns(), temperature, dependencies);
    if (hardening == kmaC_Plastic::COMBINED && dataType == kmaC_Plastic::PARAMETERS &&
        !option_.Flag(A::OptionalColumn) && (temperature || dependencies >= 1))
      data.InsertEmptyColumn(2);
    data.Print(stream);
  }
  subOptions();
}
