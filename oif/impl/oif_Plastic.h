#pragma once
#include <functional>

#include "oif/impl/oif_MaterialOptions.h"

/// "*Plastic" in its two forms. With rate data (the strain rate in column 2)
/// the rows are sorted by rate and every rate gets a "*Plastic, rate=" line
/// of its own over its rows; otherwise one keyword with hardening and data
/// type, and the table (or, for user hardening, the first column as the
/// properties).
class oif_Plastic : public oif_OwnOptionKeyword<oif_Plastic, kmaC_OptionKind::Plastic> {
 public:
  using oif_OwnOptionKeyword::oif_OwnOptionKeyword;
  void Write(utl_Stream& stream) const override;
};

/// Prints the rows of a table whose column 2 holds a rate, in table order:
/// `header(rate)` before the first row and before every row whose rate
/// differs from the rate of the last header; each row as a one-row table
/// without its rate, with the temperature place-holder when the option is
/// not temperature dependent but has field variables.
void oif_PrintRateRows(utl_Stream& stream, const kmaC_MaterialTable& table, bool temperatureDependency,
                       int dependencies, const std::function<void(double rate)>& header);
