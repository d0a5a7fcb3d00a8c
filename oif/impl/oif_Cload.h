#pragma once
#include "oif/impl/oif_LoadKeyword.h"

/// "*Cload": a concentrated force or moment, a bolt load applied as a force,
/// a generalized plane strain (PEG) load, a concentrated pore fluid load or
/// an inward volume acceleration, in one step.
class oif_Cload : public oif_LoadKeyword {
 public:
  oif_Cload(const oif_KeywordForm& form, std::shared_ptr<const kloC_Load> load, std::size_t step,
            const cow_String& regionName, double scale);
  zkw_Keyword* Clone() const override { return new oif_Cload(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  void WriteComponents(utl_Stream& stream, int firstLabel, bool follower, bool allThree) const;
  void WriteSingle(utl_Stream& stream, bool complexAllowed) const;
  void WriteBolt(utl_Stream& stream) const;
  void DataLine(utl_Stream& stream, int label, double value) const;
};
