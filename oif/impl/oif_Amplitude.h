#pragma once
#include <memory>

#include "exceptions/nex_Exception.h"
#include <vector>

#include "modeldb/kamC_Amplitude.h"
#include "zkw/zkw_Keyword.h"

/// "*Amplitude": an amplitude of time, in its definition's layout.
class oif_Amplitude : public zkw_Keyword {
 public:
  oif_Amplitude(const cow_String& name, std::shared_ptr<const kamC_Amplitude> amplitude)
      : name_(name), amplitude_(std::move(amplitude)) {}
  zkw_Keyword* Clone() const override { return new oif_Amplitude(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  std::shared_ptr<const kamC_Amplitude> amplitude_;
};

/// Writes `values` as data lines of `perLine` values separated by ", "
/// (nothing for no values).
void oif_WriteValuesPerLine(utl_Stream& stream, const std::vector<double>& values, std::size_t perLine);
/// Writes `values` as pairs "a, b", `pairsPerLine` pairs a line separated by ", ".
void oif_WritePairs(utl_Stream& stream, const std::vector<double>& values, std::size_t pairsPerLine);
/// Writes `values` as rows of `columns` values, one row a line.
void oif_WriteRows(utl_Stream& stream, const std::vector<double>& values, std::size_t columns);
