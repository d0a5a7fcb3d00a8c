#pragma once
#include "oif/impl/oif_LoadKeyword.h"

/// "*Dload": gravity, a rotational body force, a pipe pressure, a line load
/// or a body force, in one step.
class oif_Dload : public oif_LoadKeyword {
 public:
  oif_Dload(const oif_KeywordForm& form, std::shared_ptr<const kloC_Load> load, std::size_t step,
            const cow_String& regionName, double scale);
  zkw_Keyword* Clone() const override { return new oif_Dload(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  void WriteGravity(utl_Stream& stream, const std::array<double, 3>& vector) const;
  void WriteRotational(utl_Stream& stream, double magnitude) const;
  void WritePipe(utl_Stream& stream, double magnitude) const;
  /// Line loads and body forces: one line per component label.
  void WriteComponents(utl_Stream& stream) const;
};
