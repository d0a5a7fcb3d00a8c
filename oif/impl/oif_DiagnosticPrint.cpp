#include "oif/impl/oif_DiagnosticPrint.h"

#include "exceptions/nex_Exception.h"
#include "oif/impl/oif_KeywordLine.h"

namespace {

const char* YesNo(bool value) { return value ? "YES" : "NO"; }

/// ", name=YES|NO" when the flag differs from the reference's.
void FlagIfChanged(oif_KeywordLine& line, const char* name, bool value, bool reference) {
  if (value != reference) line.ParamNoBreak(name, YesNo(value));
}

}  // namespace

void oif_DiagnosticPrint::Write(utl_Stream& stream) const {
  if (!previous_ || !settings_) return;
  if (dynamic_cast<const kprC_ExplicitDiagnosticPrint*>(settings_.get()) != nullptr) {
    const auto& settings = nex_canDynamicCastRef<kprC_ExplicitDiagnosticPrint>(*settings_, "oif_DiagnosticPrint", 68);
    kprC_ExplicitDiagnosticPrint reference;
    if (dynamic_cast<const kprC_ExplicitDiagnosticPrint*>(previous_.get()) != nullptr) {
      reference = nex_canDynamicCastRef<kprC_ExplicitDiagnosticPrint>(*previous_, "oif_DiagnosticPrint", 77);
      if (settings == reference) return;
    }
    oif_KeywordLine line(stream, "*Print");
    FlagIfChanged(line, "allke", settings.allke, reference.allke);
    FlagIfChanged(line, "critical element", settings.criticalElement, reference.criticalElement);
    FlagIfChanged(line, "etotal", settings.etotal, reference.etotal);
    FlagIfChanged(line, "dmass", settings.dmass, reference.dmass);
    line.End();
    return;
  }
  if (dynamic_cast<const kprC_PerturbationDiagnosticPrint*>(settings_.get()) != nullptr) {
    const auto& settings =
        nex_canDynamicCastRef<kprC_PerturbationDiagnosticPrint>(*settings_, "oif_DiagnosticPrint", 112);
    kprC_PerturbationDiagnosticPrint reference;
    const bool previousPerturbation = dynamic_cast<const kprC_PerturbationDiagnosticPrint*>(previous_.get()) != nullptr;
    const bool previousExplicit = dynamic_cast<const kprC_ExplicitDiagnosticPrint*>(previous_.get()) != nullptr;
    if (!previousPerturbation && !previousExplicit) {
      const auto& standard =
          nex_canDynamicCastRef<kprC_StandardDiagnosticPrint>(*previous_, "oif_DiagnosticPrint", 122);
      reference.frequency = standard.frequency;
      reference.solve = standard.solve;
      if (settings == reference) return;
    }
    oif_KeywordLine line(stream, "*Print");
    if (settings.frequency != reference.frequency) line.ParamNoBreak("frequency", settings.frequency);
    FlagIfChanged(line, "solve", settings.solve, reference.solve);
    line.End();
    return;
  }
  const auto& settings = nex_canDynamicCastRef<kprC_StandardDiagnosticPrint>(*settings_, "oif_DiagnosticPrint", 148);
  kprC_StandardDiagnosticPrint reference;
  if (dynamic_cast<const kprC_StandardDiagnosticPrint*>(previous_.get()) != nullptr) {
    reference = nex_canDynamicCastRef<kprC_StandardDiagnosticPrint>(*previous_, "oif_DiagnosticPrint", 157);
    if (settings == reference) return;
  }
  oif_KeywordLine line(stream, "*Print");
  FlagIfChanged(line, "contact", settings.contact, reference.contact);
  if (settings.frequency != reference.frequency) line.ParamNoBreak("frequency", settings.frequency);
  FlagIfChanged(line, "model change", settings.modelChange, reference.modelChange);
  FlagIfChanged(line, "plasticity", settings.plasticity, reference.plasticity);
  FlagIfChanged(line, "residual", settings.residual, reference.residual);
  FlagIfChanged(line, "solve", settings.solve, reference.solve);
  line.End();
}
