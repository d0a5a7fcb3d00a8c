#pragma once
#include "oif/impl/oif_LoadKeyword.h"

/// "*Connector Load": a connector force (components 1 to 3) or moment (4 to
/// 6) on the element set of its connector wires, in one step.
class oif_ConnectorLoad : public oif_LoadKeyword {
 public:
  oif_ConnectorLoad(const oif_KeywordForm& form, std::shared_ptr<const kloC_Load> load, std::size_t step,
                    const cow_String& regionName, double scale);
  zkw_Keyword* Clone() const override { return new oif_ConnectorLoad(*this); }
  void Write(utl_Stream& stream) const override;
};
