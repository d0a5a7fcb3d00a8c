#include "oif/impl/oif_Step.h"

#include "oif/impl/oif_KeywordLine.h"
#include "oif/impl/oif_StepKinds.h"

namespace {

bool WritesUnsymm(oif_StepUnsymm rule, const kprC_AnalysisStep& step) {
  switch (rule) {
    case oif_StepUnsymm::No:
      return false;
    case oif_StepUnsymm::Yes:
      return true;
    case oif_StepUnsymm::Separated:
      return step.solutionTechnique == kprC_Step::TECHNIQUE_SEPARATED;
    case oif_StepUnsymm::Consolidation:
      return nex_canDynamicCastRef<kprC_SoilsStep>(step, "oif_Step", __LINE__).consolidation;
  }
  return false;
}

}  // namespace

oif_Step::oif_Step(const kprC_Step& step, bool nlgeomInEffect, const cow_String& name)
    : nlgeomInEffect_(nlgeomInEffect), step_(&step), name_(name) {}

zkw_Keyword* oif_Step::Clone() const { return new oif_Step(*this); }

void oif_Step::Write(utl_Stream& stream) const {
  const oif_StepRow* row = oif_FindStepRow(*step_);
  if (row == nullptr || !row->card.exists) nex_TextException(kprC_NoStepLine).Throw("oif_Step", 243);
  const oif_StepCard* card = &row->card;
  const auto& step = nex_canDynamicCastRef<kprC_AnalysisStep>(*step_, "oif_Step", __LINE__);

  oif_KeywordLine line(stream, "*Step");
  line.Name("name", name_);
  const bool on = step.Nlgeom() == kprC_Step::NLGEOM_ON;
  if (card->nlgeom == oif_StepNlgeom::A && (on || nlgeomInEffect_)) line.Param("nlgeom", "YES");
  if (card->nlgeom == oif_StepNlgeom::B && on != nlgeomInEffect_) line.Param("nlgeom", on ? "YES" : "NO");
  if (card->perturbation) line.Flag("perturbation");
  if (card->extrapolation && step.extrapolation != kprC_Step::EXTRAPOLATION_LINEAR)
    line.Param("extrapolation", step.extrapolation == kprC_Step::EXTRAPOLATION_PARABOLIC
                                    ? kprC_Step::ExtrapolationText(kprC_Step::EXTRAPOLATION_PARABOLIC)
                                    : "NO");
  if (card->amplitude && step.amplitude != card->defaultAmplitude)
    line.Param("amplitude", step.amplitude != kprC_Step::AMPLITUDE_STEP ? "RAMP" : "STEP");
  if (card->inc && step.maxNumInc != 100) line.Param("inc", step.maxNumInc);
  if (WritesUnsymm(card->unsymm, step)) {
    if (step.matrixStorage == kprC_Step::MATRIX_UNSYMMETRIC) line.Param("unsymm", "YES");
    if (step.matrixStorage == kprC_Step::MATRIX_SYMMETRIC) line.Param("unsymm", "NO");
  }
  line.End();
  if (!step.description().empty()) stream << step.description() << endl;
}
