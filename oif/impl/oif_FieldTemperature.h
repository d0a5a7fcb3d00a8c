#pragma once
#include "oif/impl/oif_FieldKeyword.h"

/// "*Temperature": a temperature field in an analysis step, by its
/// distribution: the values (padded to the values per point), a user routine,
/// or a results file.
class oif_FieldTemperature : public oif_FieldKeyword {
 public:
  oif_FieldTemperature(std::shared_ptr<const kpfC_Field> field, std::size_t step, const cow_String& regionName,
                       const oif_KeywordForm& form, int valuesPerPoint);
  zkw_Keyword* Clone() const override { return new oif_FieldTemperature(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  int valuesPerPoint_;
};
