#include "oif/impl/oif_Step.h"

#include <typeindex>
#include <vector>

#include "oif/impl/oif_KeywordLine.h"

namespace {

enum class Nlgeom {
  None,
  A,  // YES when the step turns it on or it is already in effect
  B,  // stated whenever the step's own setting differs from the one in effect
};

enum class Unsymm {
  No,
  Yes,
  Separated,      // coupled steps solved with the separated technique only
  Consolidation,  // soils steps with a consolidation analysis only
};

/// The parameters of one step kind after "name=", in the order written.
struct StepCard {
  std::type_index type;
  /// Checks the step's class, citing this card's line.
  void (*check)(const kprC_Step& step, int line);
  int line;
  Nlgeom nlgeom;
  bool perturbation;
  bool extrapolation;
  bool amplitude;
  kprC_Step::AmplitudeEnm defaultAmplitude;
  bool inc;
  Unsymm unsymm;
};

template <class T>
void Check(const kprC_Step& step, int line) {
  nex_canDynamicCastRef<T>(step, "oif_Step", line);
}

template <class T>
StepCard Card(int line, Nlgeom nlgeom, bool perturbation, bool extrapolation, bool amplitude, bool inc,
              Unsymm unsymm, kprC_Step::AmplitudeEnm defaultAmplitude = kprC_Step::AMPLITUDE_STEP) {
  return {std::type_index(typeid(T)), &Check<T>, line, nlgeom, perturbation, extrapolation, amplitude,
          defaultAmplitude, inc, unsymm};
}

constexpr bool kNo = false;
constexpr bool kYes = true;

const std::vector<StepCard>& Cards() {
  using N = Nlgeom;
  using U = Unsymm;
  // clang-format off
  //                                                          nlgeom   perturb extrap amplitude inc   unsymm
  static const std::vector<StepCard> cards = {
      Card<kprC_AnnealStep>(__LINE__,                         N::B,    kNo,    kNo,   kNo,      kNo,  U::No),
      Card<kprC_ExplicitDynamicsStep>(__LINE__,               N::B,    kNo,    kNo,   kNo,      kNo,  U::No),
      Card<kprC_TempDisplacementDynamicsStep>(__LINE__,       N::B,    kNo,    kNo,   kNo,      kNo,  U::No),
      Card<kprC_BuckleStep>(__LINE__,                         N::None, kYes,   kNo,   kNo,      kNo,  U::No),
      Card<kprC_FrequencyStep>(__LINE__,                      N::None, kYes,   kNo,   kNo,      kNo,  U::No),
      Card<kprC_ModalDynamicsStep>(__LINE__,                  N::None, kYes,   kNo,   kNo,      kNo,  U::No),
      Card<kprC_RandomResponseStep>(__LINE__,                 N::None, kYes,   kNo,   kNo,      kNo,  U::No),
      Card<kprC_ResponseSpectrumStep>(__LINE__,               N::None, kYes,   kNo,   kNo,      kNo,  U::No),
      Card<kprC_SteadyStateModalStep>(__LINE__,               N::None, kYes,   kNo,   kNo,      kNo,  U::No),
      Card<kprC_StaticLinearPerturbationStep>(__LINE__,       N::None, kYes,   kNo,   kNo,      kNo,  U::Yes),
      Card<kprC_SteadyStateDirectStep>(__LINE__,              N::None, kYes,   kNo,   kNo,      kNo,  U::Yes),
      Card<kprC_CoupledTempDisplacementStep>(__LINE__,        N::A,    kNo,    kYes,  kYes,     kYes, U::Separated),
      Card<kprC_CoupledThermalElectricStep>(__LINE__,         N::None, kNo,    kYes,  kYes,     kYes, U::Separated),
      Card<kprC_GeostaticStep>(__LINE__,                      N::A,    kNo,    kNo,   kNo,      kNo,  U::Yes),
      Card<kprC_HeatTransferStep>(__LINE__,                   N::None, kNo,    kYes,  kYes,     kYes, U::Yes),
      Card<kprC_ImplicitDynamicsStep>(__LINE__,               N::A,    kNo,    kYes,  kYes,     kYes, U::Yes),
      Card<kprC_MassDiffusionStep>(__LINE__,                  N::None, kNo,    kYes,  kYes,     kYes, U::No),
      Card<kprC_SoilsStep>(__LINE__,                          N::A,    kNo,    kYes,  kYes,     kYes, U::Consolidation),
      Card<kprC_StaticStep>(__LINE__,                         N::A,    kNo,    kYes,  kYes,     kYes, U::Yes,
                            kprC_Step::AMPLITUDE_RAMP),
      Card<kprC_StaticRiksStep>(__LINE__,                     N::A,    kNo,    kYes,  kNo,      kYes, U::Yes),
      Card<kprC_SubspaceDynamicsStep>(__LINE__,               N::A,    kNo,    kNo,   kYes,     kYes, U::No),
      Card<kprC_ViscoStep>(__LINE__,                          N::A,    kNo,    kYes,  kYes,     kYes, U::Yes),
  };
  // clang-format on
  return cards;
}

const StepCard* FindCard(const kprC_Step& step) {
  const std::type_index type = step.DynTypeId();
  for (const StepCard& card : Cards())
    if (card.type == type) return &card;
  return nullptr;
}

bool WritesUnsymm(Unsymm rule, const kprC_AnalysisStep& step, int line) {
  switch (rule) {
    case Unsymm::No:
      return false;
    case Unsymm::Yes:
      return true;
    case Unsymm::Separated:
      return step.solutionTechnique == kprC_Step::TECHNIQUE_SEPARATED;
    case Unsymm::Consolidation:
      return nex_canDynamicCastRef<kprC_SoilsStep>(step, "oif_Step", line).consolidation;
  }
  return false;
}

}  // namespace

oif_Step::oif_Step(const kprC_Step& step, bool nlgeomInEffect, const cow_String& name)
    : nlgeomInEffect_(nlgeomInEffect), step_(&step), name_(name) {}

zkw_Keyword* oif_Step::Clone() const { return new oif_Step(*this); }

void oif_Step::Write(utl_Stream& stream) const {
  const StepCard* card = FindCard(*step_);
  if (card == nullptr) nex_TextException("Unimplemented function to write out *Step card").Throw("oif_Step", 243);
  card->check(*step_, card->line);
  const auto& step = nex_canDynamicCastRef<kprC_AnalysisStep>(*step_, "oif_Step", card->line);

  oif_KeywordLine line(stream, "*Step");
  line.Name("name", name_);
  const bool on = step.Nlgeom() == kprC_Step::NLGEOM_ON;
  if (card->nlgeom == Nlgeom::A && (on || nlgeomInEffect_)) line.Param("nlgeom", "YES");
  if (card->nlgeom == Nlgeom::B && on != nlgeomInEffect_) line.Param("nlgeom", on ? "YES" : "NO");
  if (card->perturbation) line.Flag("perturbation");
  if (card->extrapolation && step.extrapolation != kprC_Step::EXTRAPOLATION_LINEAR)
    line.Param("extrapolation", step.extrapolation == kprC_Step::EXTRAPOLATION_PARABOLIC
                                    ? kprC_Step::ExtrapolationText(kprC_Step::EXTRAPOLATION_PARABOLIC)
                                    : "NO");
  if (card->amplitude && step.amplitude != card->defaultAmplitude)
    line.Param("amplitude", step.amplitude != kprC_Step::AMPLITUDE_STEP ? "RAMP" : "STEP");
  if (card->inc && step.maxNumInc != 100) line.Param("inc", step.maxNumInc);
  if (WritesUnsymm(card->unsymm, step, card->line)) {
    if (step.matrixStorage == kprC_Step::MATRIX_UNSYMMETRIC) line.Param("unsymm", "YES");
    if (step.matrixStorage == kprC_Step::MATRIX_SYMMETRIC) line.Param("unsymm", "NO");
  }
  line.End();
  if (!step.description().empty()) stream << step.description() << endl;
}
