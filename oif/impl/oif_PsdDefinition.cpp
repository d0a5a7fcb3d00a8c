#include "oif/impl/oif_PsdDefinition.h"

#include "oif/impl/oif_Amplitude.h"
#include "oif/impl/oif_KeywordLine.h"

void oif_PsdDefinition::Write(utl_Stream& stream) const {
  if (amplitude_->Kind() != kamC_AmplitudeKind::PsdDefinition) return;
  const auto& psd = nex_canDynamicCastRef<kamC_PsdDefinition>(*amplitude_, "oif/impl/oif_PsdDefinition", 44);
  oif_KeywordLine line(stream, "*Psd-Definition");
  line.Name("name", name_);
  if (psd.dbReference != 0.0) line.Param("db Reference", psd.dbReference);
  if (psd.g != 1.0) line.Param("g", psd.g);
  if (psd.psdType != kamC_Amplitude::PSD_FORCE) line.Param("type", kamC_PsdTypeEnum().GetString(psd.psdType));
  if (psd.user) line.Flag("user");
  line.End();
  oif_WriteRows(stream, psd.data, 3);
}
