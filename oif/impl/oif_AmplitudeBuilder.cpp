#include "oif/impl/oif_AmplitudeBuilder.h"

#include "oif/impl/oif_Amplitude.h"
#include "oif/impl/oif_BaselineCorrection.h"
#include "oif/impl/oif_PsdDefinition.h"
#include "oif/impl/oif_Spectrum.h"
#include "zkw/zkw_Model.h"

oif_AmplitudeBuilder::oif_AmplitudeBuilder(zkw_ModelInfo& info) : zkw_BuilderComponent(info) {}

zkw_BuilderComponent* oif_AmplitudeBuilder::Clone() const { return new oif_AmplitudeBuilder(*this); }

// Every amplitude at the model level, in name order; a tabular or equally
// spaced amplitude with a baseline correction is followed by it.
void oif_AmplitudeBuilder::Build() {
  const auto amplitudes = model->Amplitudes();
  for (const auto& [name, amplitude] : amplitudes) {
    switch (amplitude->Kind()) {
      case kamC_AmplitudeKind::PsdDefinition:
        AddModelDefinition(oif_PsdDefinition(name, amplitude));
        break;
      case kamC_AmplitudeKind::Spectrum:
        AddModelDefinition(oif_Spectrum(name, amplitude));
        break;
      default:
        AddModelDefinition(oif_Amplitude(name, amplitude));
        break;
    }
    if (amplitude->Kind() == kamC_AmplitudeKind::Tabular) {
      const auto& tabular = nex_canDynamicCastRef<kamC_Tabular>(*amplitude, "oif/impl/oif_AmplitudeBuilder", 125);
      if (tabular.hasBaselineCorrection) AddModelDefinition(oif_BaselineCorrection(tabular.baselineCorrection));
    } else if (amplitude->Kind() == kamC_AmplitudeKind::SmoothStep) {
      nex_canDynamicCastRef<kamC_SmoothStep>(*amplitude, "oif/impl/oif_AmplitudeBuilder", 136);
    } else if (amplitude->Kind() == kamC_AmplitudeKind::EquallySpaced) {
      const auto& spaced = nex_canDynamicCastRef<kamC_EquallySpaced>(*amplitude, "oif/impl/oif_AmplitudeBuilder", 141);
      if (spaced.hasBaselineCorrection) AddModelDefinition(oif_BaselineCorrection(spaced.baselineCorrection));
    }
  }
}
