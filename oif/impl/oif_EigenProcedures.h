#pragma once
// Procedure keywords of the eigenvalue steps: natural frequencies, buckling
// and complex frequencies.
#include "modeldb/kprC_Step.h"
#include "zkw/zkw_Keyword.h"

class oif_Frequency : public zkw_Keyword {
 public:
  explicit oif_Frequency(const kprC_Step& step);
  zkw_Keyword* Clone() const override { return new oif_Frequency(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_FrequencyStep step_;
};

class oif_Buckle : public zkw_Keyword {
 public:
  explicit oif_Buckle(const kprC_Step& step);
  zkw_Keyword* Clone() const override { return new oif_Buckle(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_BuckleStep step_;
};

class oif_ComplexFrequency : public zkw_Keyword {
 public:
  explicit oif_ComplexFrequency(const kprC_Step& step);
  zkw_Keyword* Clone() const override { return new oif_ComplexFrequency(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kprC_ComplexFrequencyStep step_;
};
