#pragma once
#include "oif/impl/oif_LoadKeyword.h"

/// "*Dsload": a pressure on a surface in one step ("P", "PNU" for a user
/// distribution, "HP" for a hydrostatic one with its two heights).
class oif_Dsload : public oif_LoadKeyword {
 public:
  oif_Dsload(const oif_KeywordForm& form, std::shared_ptr<const kloC_Load> load, std::size_t step,
             const cow_String& regionName, double scale);
  zkw_Keyword* Clone() const override { return new oif_Dsload(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  void DataLine(utl_Stream& stream, double value) const;
};
