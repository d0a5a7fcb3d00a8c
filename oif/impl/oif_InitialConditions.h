#pragma once
#include "oif/impl/oif_FieldKeyword.h"

/// "*Initial Conditions": a temperature or general field in the initial
/// step, and the velocities, stresses and hardening in any step; the
/// keyword line by type and distribution, the data lines by type.
class oif_InitialConditions : public oif_FieldKeyword {
 public:
  /// `maxFieldVariable`: the largest field-variable number of the general
  /// fields active in the initial step; `valuesPerPoint`: the number of
  /// temperature values per point.
  oif_InitialConditions(std::shared_ptr<const kpfC_Field> field, std::size_t step, const cow_String& regionName,
                        const oif_KeywordForm& form, int maxFieldVariable, int valuesPerPoint);
  zkw_Keyword* Clone() const override { return new oif_InitialConditions(*this); }
  void Write(utl_Stream& stream) const override;

  int MaxFieldVariable() const noexcept { return maxFieldVariable_; }

 private:
  void WriteLine(utl_Stream& stream) const;
  void WriteData(utl_Stream& stream) const;
  /// ", USER", ", GEOSTATIC" or ", file=" with the file part.
  void Distribution(oif_KeywordLine& line) const;

  int maxFieldVariable_;
  int valuesPerPoint_;
};
