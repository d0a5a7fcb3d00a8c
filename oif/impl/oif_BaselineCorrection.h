#pragma once
#include <vector>

#include "zkw/zkw_Keyword.h"

/// "*Baseline Correction": the correction intervals of an amplitude, 8 values a line.
class oif_BaselineCorrection : public zkw_Keyword {
 public:
  explicit oif_BaselineCorrection(std::vector<double> bounds) : bounds_(std::move(bounds)) {}
  zkw_Keyword* Clone() const override { return new oif_BaselineCorrection(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  std::vector<double> bounds_;
};
