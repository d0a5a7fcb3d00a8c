#include "modelfile/mfl_Steps.h"

#include <cmath>
#include <limits>

#include "modeldb/kprC_StepKind.h"
#include "modeldb/rgnC_SetData.h"
#include "modelfile/mfl_History.h"
#include "modelfile/mfl_OutputRequests.h"
#include "modelfile/mfl_Text.h"

namespace mfl {

double ReadReal(const Ref& ref) { return ref.IsNull() ? mdl_UnsetDouble : ref.AsDouble(); }

int ReadInt(const Ref& ref, int min) {
  if (ref.IsNull()) return mdl_UnsetInt;
  const int value = ref.AsInt();
  if (value < min) ref.Fail("model.range", "expected an integer of at least " + std::to_string(min));
  return value;
}

namespace {

// Enumerations of the step members, by their texts in the model file.

const EnumTable<kprC_Step::ExtrapolationEnm> kExtrapolation = {
    {"linear", kprC_Step::EXTRAPOLATION_LINEAR},
    {"parabolic", kprC_Step::EXTRAPOLATION_PARABOLIC},
    {"none", kprC_Step::EXTRAPOLATION_NONE}};
const EnumTable<kprC_Step::AmplitudeEnm> kAmplitude = {{"step", kprC_Step::AMPLITUDE_STEP},
                                                        {"ramp", kprC_Step::AMPLITUDE_RAMP}};
const EnumTable<kprC_Step::MatrixStorageEnm> kMatrixStorage = {
    {"solver default", kprC_Step::MATRIX_SOLVER_DEFAULT},
    {"symmetric", kprC_Step::MATRIX_SYMMETRIC},
    {"unsymmetric", kprC_Step::MATRIX_UNSYMMETRIC}};
const EnumTable<kprC_Step::SolutionTechniqueEnm> kTechnique = {
    {"full Newton", kprC_Step::TECHNIQUE_FULL_NEWTON},
    {"separated", kprC_Step::TECHNIQUE_SEPARATED},
    {"contact iterations", kprC_Step::TECHNIQUE_CONTACT_ITERATIONS},
    {"quasi-Newton", kprC_Step::TECHNIQUE_QUASI_NEWTON}};
const EnumTable<kprC_TimeIncrements::IncrementationEnm> kIncrementation = {
    {"automatic", kprC_TimeIncrements::INCREMENTATION_AUTOMATIC},
    {"fixed", kprC_TimeIncrements::INCREMENTATION_FIXED}};
const EnumTable<kprC_Stabilization::StabilizationEnm> kStabilization = {
    {"dissipated energy fraction", kprC_Stabilization::STABILIZATION_ENERGY_FRACTION},
    {"damping factor", kprC_Stabilization::STABILIZATION_DAMPING_FACTOR}};
const EnumTable<kprC_Creep::CreepEnm> kCreep = {{"implicit", kprC_Creep::CREEP_IMPLICIT},
                                               {"explicit", kprC_Creep::CREEP_EXPLICIT},
                                               {"none", kprC_Creep::CREEP_NONE}};
const EnumTable<kprC_Creep::CreepEnm> kViscoCreep = {{"implicit", kprC_Creep::CREEP_IMPLICIT},
                                                    {"explicit", kprC_Creep::CREEP_EXPLICIT}};
const EnumTable<kprC_ExplicitStep::TimeIncrementationEnm> kScheme = {
    {"automatic", kprC_ExplicitStep::SCHEME_AUTOMATIC_GLOBAL},
    {"user", kprC_ExplicitStep::SCHEME_USER},
    {"element by element", kprC_ExplicitStep::SCHEME_ELEMENT_BY_ELEMENT},
    {"fixed", kprC_ExplicitStep::SCHEME_FIXED}};
const EnumTable<kprC_MassScaling::ObjectiveEnm> kObjective = {
    {"semi-automatic", kprC_MassScaling::OBJECTIVE_SEMI_AUTOMATIC},
    {"automatic", kprC_MassScaling::OBJECTIVE_AUTOMATIC},
    {"reinitialize", kprC_MassScaling::OBJECTIVE_REINITIALIZE},
    {"disable", kprC_MassScaling::OBJECTIVE_DISABLE}};
const EnumTable<kprC_MassScaling::MassScalingTypeEnm> kScalingType = {
    {"uniform", kprC_MassScaling::TYPE_UNIFORM},
    {"below min", kprC_MassScaling::TYPE_BELOW_MIN},
    {"set equal dt", kprC_MassScaling::TYPE_SET_EQUAL_DT}};
const EnumTable<kprC_MassScaling::DirectionEnm> kDirection = {{"1", kprC_MassScaling::DIRECTION_1},
                                                             {"2", kprC_MassScaling::DIRECTION_2},
                                                             {"3", kprC_MassScaling::DIRECTION_3}};
const EnumTable<kprC_FrequencyStep::EigensolverEnm> kFrequencySolver = {
    {"Lanczos", kprC_FrequencyStep::EIGENSOLVER_LANCZOS},
    {"subspace", kprC_FrequencyStep::EIGENSOLVER_SUBSPACE},
    {"AMS", kprC_FrequencyStep::EIGENSOLVER_AMS}};
const EnumTable<kprC_FrequencyStep::AcousticCouplingEnm> kCoupling = {
    {"off", kprC_FrequencyStep::COUPLING_OFF},
    {"on", kprC_FrequencyStep::COUPLING_ON},
    {"projection", kprC_FrequencyStep::COUPLING_PROJECTION}};
const EnumTable<kprC_FrequencyStep::NormalizationEnm> kNormalization = {
    {"displacement", kprC_FrequencyStep::NORMALIZATION_DISPLACEMENT},
    {"mass", kprC_FrequencyStep::NORMALIZATION_MASS}};
const EnumTable<kprC_BuckleStep::EigensolverEnm> kBuckleSolver = {
    {"subspace", kprC_BuckleStep::EIGENSOLVER_SUBSPACE},
    {"Lanczos", kprC_BuckleStep::EIGENSOLVER_LANCZOS}};
const EnumTable<kprC_FrequencySweep::FrequencyScaleEnm> kScale = {
    {"logarithmic", kprC_FrequencySweep::SCALE_LOGARITHMIC},
    {"linear", kprC_FrequencySweep::SCALE_LINEAR}};
const EnumTable<kprC_FrequencySweep::IntervalEnm> kInterval = {
    {"range", kprC_FrequencySweep::INTERVAL_RANGE},
    {"eigenfrequency", kprC_FrequencySweep::INTERVAL_EIGENFREQUENCY}};
const EnumTable<kprC_SteadyStateSubspaceStep::ProjectionEnm> kProjection = {
    {"all frequencies", kprC_SteadyStateSubspaceStep::PROJECTION_ALL_FREQUENCIES},
    {"constant", kprC_SteadyStateSubspaceStep::PROJECTION_CONSTANT},
    {"eigenfrequency", kprC_SteadyStateSubspaceStep::PROJECTION_EIGENFREQUENCY},
    {"property change", kprC_SteadyStateSubspaceStep::PROJECTION_PROPERTY_CHANGE}};
const EnumTable<kprC_ResponseSpectrumStep::CombinationEnm> kCombination = {
    {"algebraic", kprC_ResponseSpectrumStep::COMBINATION_ALGEBRAIC},
    {"SRSS", kprC_ResponseSpectrumStep::COMBINATION_SRSS}};
const EnumTable<kprC_ResponseSpectrumStep::SummationEnm> kSummation = {
    {"ABS", kprC_ResponseSpectrumStep::SUM_ABS},
    {"CQC", kprC_ResponseSpectrumStep::SUM_CQC},
    {"NRL", kprC_ResponseSpectrumStep::SUM_NRL},
    {"SRSS", kprC_ResponseSpectrumStep::SUM_SRSS},
    {"TENP", kprC_ResponseSpectrumStep::SUM_TENP}};

// Member groups that several kinds share.

template <class S>
void Nlgeom(Members<S>& m) {
  m.Custom("nlgeom", [](const Ref& ref, S& step) {
    step.nlgeom = ref.AsBool() ? kprC_Step::NLGEOM_ON : kprC_Step::NLGEOM_OFF;
  });
}

/// Extrapolation, amplitude and the maximum number of increments, as the
/// step line has them.
template <class S>
void StepLine(Members<S>& m, bool extrapolation, bool amplitude, bool inc) {
  if (extrapolation) m.template Enum<kprC_Step::ExtrapolationEnm>("extrapolation", &S::extrapolation, kExtrapolation);
  if (amplitude) m.template Enum<kprC_Step::AmplitudeEnm>("amplitude", &S::amplitude, kAmplitude);
  if (inc) m.Int("maxIncrements", &S::maxNumInc, 1);
}

template <class S>
void MatrixStorage(Members<S>& m) {
  m.template Enum<kprC_Step::MatrixStorageEnm>("matrixStorage", &S::matrixStorage, kMatrixStorage);
}

template <class S>
void Technique(Members<S>& m) {
  m.template Enum<kprC_Step::SolutionTechniqueEnm>("solutionTechnique", &S::solutionTechnique, kTechnique);
}

template <class S>
void Time(Members<S>& m) {
  m.template Enum<kprC_TimeIncrements::IncrementationEnm>("incrementation", &S::incrementation, kIncrementation)
      .Real("initialIncrement", &S::initialInc)
      .Real("timePeriod", &S::timePeriod)
      .Real("minIncrement", &S::minInc)
      .Real("maxIncrement", &S::maxInc);
}

/// {"method": ..., "value": ...}; the dissipated energy fraction defaults to
/// 2e-4, a damping factor must be given.
template <class S>
void Stabilization(Members<S>& m) {
  static const Members<S> kStabilizationMembers = [] {
    Members<S> s;
    s.template Enum<kprC_Stabilization::StabilizationEnm>("method", &S::stabilizationMethod, kStabilization)
        .Required()
        .Group({"value"}, [](const Ref& ref, S& step) {
          if (ref.Has("value"))
            step.stabilizationValue = ref.Get("value").AsDouble();
          else if (step.stabilizationMethod == kprC_Stabilization::STABILIZATION_ENERGY_FRACTION)
            step.stabilizationValue = 2e-4;
          else
            ref.Get("value");  // refused: a damping factor has no default
        });
    return s;
  }();
  m.Custom("stabilization", [](const Ref& ref, S& step) { kStabilizationMembers.ReadObject(ref, step); });
}

template <class S>
void Transient(Members<S>& m) {
  m.Bool("steadyState", &S::steadyState).Real("endValue", &S::endValue);
}

/// Rows of a damping table: each an array of `ints` integers (modes, at
/// least 1) followed by `reals` numbers.
template <class Row>
std::vector<Row> DampingRows(const Ref& ref, std::size_t ints, std::size_t reals,
                             void (*fill)(Row&, const std::vector<int>&, const std::vector<double>&)) {
  std::vector<Row> rows;
  ref.ForEachElement([&](const Ref& rowRef) {
    const std::vector<double> values = rowRef.Reals();
    if (values.size() != ints + reals)
      rowRef.Fail("model.size", "expected " + std::to_string(ints + reals) + " numbers, found " +
                                    std::to_string(values.size()));
    std::vector<int> modes;
    for (std::size_t i = 0; i < ints; ++i) {
      if (values[i] != std::trunc(values[i]) || values[i] < 1 || values[i] > std::numeric_limits<int>::max())
        rowRef.FailAt(i, "model.range", "a mode number is an integer of at least 1");
      modes.push_back(int(values[i]));
    }
    Row row;
    fill(row, modes, std::vector<double>(values.begin() + std::ptrdiff_t(ints), values.end()));
    rows.push_back(row);
  });
  return rows;
}

/// "damping": the modal damping tables of a step, by kind. `structural`:
/// the step allows the structural forms.
Members<kprC_ModalDampingSet> DampingMembers(bool structural) {
  using C = kprC_CompositeDamping;
  using D = kprC_DirectDamping;
  using R = kprC_RayleighDamping;
  using T = kprC_StructuralDamping;
  using DF = kprC_DirectDampingByFrequency;
  using RF = kprC_RayleighDampingByFrequency;
  using TF = kprC_StructuralDampingByFrequency;
  using Set = kprC_ModalDampingSet;
  Members<Set> m;
  m.Custom("composite",
           [](const Ref& ref, Set& d) {
             d.composite = C{DampingRows<C::Row>(ref, 2, 0, [](C::Row& r, auto& i, auto&) { r = {i[0], i[1]}; })};
           })
      .Custom("direct",
              [](const Ref& ref, Set& d) {
                d.direct = D{DampingRows<D::Row>(ref, 2, 1, [](D::Row& r, auto& i, auto& v) { r = {i[0], i[1], v[0]}; })};
              })
      .Custom("rayleigh", [](const Ref& ref, Set& d) {
        d.rayleigh =
            R{DampingRows<R::Row>(ref, 2, 2, [](R::Row& r, auto& i, auto& v) { r = {i[0], i[1], v[0], v[1]}; })};
      });
  if (structural)
    m.Custom("structural", [](const Ref& ref, Set& d) {
      d.structural = T{DampingRows<T::Row>(ref, 2, 1, [](T::Row& r, auto& i, auto& v) { r = {i[0], i[1], v[0]}; })};
    });
  m.Custom("directByFrequency",
           [](const Ref& ref, Set& d) {
             d.directByFrequency =
                 DF{DampingRows<DF::Row>(ref, 0, 2, [](DF::Row& r, auto&, auto& v) { r = {v[0], v[1]}; })};
           })
      .Custom("rayleighByFrequency", [](const Ref& ref, Set& d) {
        d.rayleighByFrequency =
            RF{DampingRows<RF::Row>(ref, 0, 3, [](RF::Row& r, auto&, auto& v) { r = {v[0], v[1], v[2]}; })};
      });
  if (structural)
    m.Custom("structuralByFrequency", [](const Ref& ref, Set& d) {
      d.structuralByFrequency =
          TF{DampingRows<TF::Row>(ref, 0, 2, [](TF::Row& r, auto&, auto& v) { r = {v[0], v[1]}; })};
    });
  return m;
}

/// "damping": the modal damping tables of a step, by kind. `structural`:
/// the step allows the structural forms.
template <class S>
void Damping(Members<S>& m, bool structural) {
  static const Members<kprC_ModalDampingSet> kStructural = DampingMembers(true), kOthers = DampingMembers(false);
  m.Custom("damping", [structural](const Ref& ref, S& step) {
    (structural ? kStructural : kOthers).ReadObject(ref, step.damping);
  });
}

/// "frequencyRanges" and "frequencyScale".
template <class S>
void Sweep(Members<S>& m) {
  m.Custom("frequencyRanges", [](const Ref& ref, S& step) {
    using F = kprC_FrequencyRange;
    static const Members<F> kRange = [] {
      Members<F> r;
      r.Number("lower", &F::lower).Required().Number("upper", &F::upper).Required();
      r.Int("points", &F::points, 1).Number("bias", &F::bias);
      return r;
    }();
    ref.ForEachElement([&](const Ref& rangeRef) {
      kprC_FrequencyRange range;
      kRange.ReadObject(rangeRef, range);
      step.frequencyRanges.push_back(range);
    });
  });
  m.template Enum<kprC_FrequencySweep::FrequencyScaleEnm>("frequencyScale", &S::frequencyScale, kScale);
}

/// The members of a mass scaling definition of `objective` (besides the
/// "objective", read first).
Members<kprC_MassScaling, Loader> MassScalingMembers(kprC_MassScaling::ObjectiveEnm objective) {
  using M = kprC_MassScaling;
  Members<M, Loader> m;
  m.Region("region", &M::region, rgnC_SetData::ElementSet);
  auto intervals = [&m] { m.Int("frequency", &M::frequency, 0).Int("numberInterval", &M::numberInterval, 1); };
  if (objective == M::OBJECTIVE_SEMI_AUTOMATIC) {
    m.Enum<M::MassScalingTypeEnm>("type", &M::type, kScalingType)
        .Number("targetTimeIncrement", &M::targetTimeInc)
        .Number("factor", &M::factor)
        .Bool("throughoutStep", &M::throughoutStep);
    intervals();
    // Each value belongs to one of the two forms: scaling once at the start
    // of the step, or throughout it at intervals.
    m.Check([](const Ref& ref, M& d) {
      const char* once = "factor";
      const char* forms[] = {"frequency", "numberInterval"};
      if (d.throughoutStep && ref.Has(once))
        ref.Get(once).Fail("model.conflict", "a scale factor applies to mass scaling at the start of the step only");
      for (const char* key : forms)
        if (!d.throughoutStep && ref.Has(key))
          ref.Get(key).Fail("model.conflict", "intervals apply to mass scaling throughout the step only");
    });
  } else if (objective == M::OBJECTIVE_AUTOMATIC) {
    m.Number("feedRate", &M::feedRate)
        .Number("extrudedLength", &M::extrudedLength)
        .Int("crossSectionNodes", &M::crossSection, 1)
        .Enum<M::DirectionEnm>("direction", &M::direction, kDirection);
    intervals();
  }
  return m;
}

kprC_MassScaling ReadMassScaling(const Loader& loader, const Ref& ref) {
  using M = kprC_MassScaling;
  static const Members<M, Loader> kSemiAutomatic = MassScalingMembers(M::OBJECTIVE_SEMI_AUTOMATIC),
                                  kAutomatic = MassScalingMembers(M::OBJECTIVE_AUTOMATIC),
                                  kOthers = MassScalingMembers(M::OBJECTIVE_DISABLE);
  kprC_MassScaling d;
  d.objective = ReadEnum(ref.Get("objective"), kObjective);
  const Members<M, Loader>& members = d.objective == M::OBJECTIVE_SEMI_AUTOMATIC ? kSemiAutomatic
                                      : d.objective == M::OBJECTIVE_AUTOMATIC    ? kAutomatic
                                                                                 : kOthers;
  members.ReadObject(loader, ref, d, {"objective"});
  return d;
}

template <class S>
void Explicit(Members<S>& m) {
  Nlgeom(m);
  m.Real("timePeriod", &S::timePeriod)
      .template Enum<kprC_ExplicitStep::TimeIncrementationEnm>("incrementation", &S::scheme, kScheme)
      .Real("scaleFactor", &S::scaleFactor)
      .Real("timeIncrement", &S::timeIncrement)
      .Real("maxTimeIncrement", &S::maxTimeInc)
      .Real("linearBulkViscosity", &S::linearBulkViscosity)
      .Real("quadraticBulkViscosity", &S::quadraticBulkViscosity)
      .Custom("massScaling", [](const Loader& loader, const Ref& ref, S& step) {
        ref.ForEachElement(
            [&](const Ref& definition) { step.massScaling.push_back(ReadMassScaling(loader, definition)); });
      });
}

/// "fullyPlastic": the element set, as a set reference, whose plastic
/// collapse ends the step; kept as the set's instance-qualified name.
template <class S>
void FullyPlastic(Members<S>& m) {
  m.Custom("fullyPlastic", [](const Loader& loader, const Ref& ref, S& step) {
    loader.SetRegion(ref, {rgnC_SetData::ElementSet});
    const std::string set = ref.Get("set").AsString();
    step.fullyPlastic = ref.Has("instance") ? ref.Get("instance").AsString() + "." + set : set;
  });
}

// The members of each step kind.

Members<kprC_StaticStep> StaticMembers() {
  using S = kprC_StaticStep;
  Members<S> m;
  Nlgeom(m);
  StepLine(m, true, true, true);
  MatrixStorage(m);
  Technique(m);
  Time(m);
  m.Bool("adiabatic", &S::adiabatic).Bool("noStop", &S::noStop);
  FullyPlastic(m);
  Stabilization(m);
  return m;
}

Members<kprC_StaticRiksStep> RiksMembers() {
  using S = kprC_StaticRiksStep;
  Members<S> m;
  Nlgeom(m);
  StepLine(m, true, false, true);
  MatrixStorage(m);
  Technique(m);
  m.Enum<kprC_TimeIncrements::IncrementationEnm>("incrementation", &S::incrementation, kIncrementation)
      .Real("initialArcIncrement", &S::initialInc)
      .Real("totalArcLength", &S::timePeriod)
      .Real("minArcIncrement", &S::minInc)
      .Real("maxArcIncrement", &S::maxInc)
      .Real("maxLoadFactor", &S::maxLPF)
      .Bool("adiabatic", &S::adiabatic)
      .Bool("noStop", &S::noStop)
      .Bool("longTerm", &S::longTerm);
  FullyPlastic(m);
  // The step ends when this node's degree of freedom reaches the displacement.
  static const Members<S, Loader> kEndNode = [] {
    Members<S, Loader> e;
    e.Region("region", &S::nodeRegion, rgnC_SetData::NodeSet)
        .Required()
        .Custom("dof",
                [](const Ref& dof, S& step) {
                  step.dof = dof.AsInt();
                  if (step.dof < 1 || step.dof > 6) dof.Fail("model.range", "a degree of freedom is 1 to 6");
                })
        .Required()
        .Number("displacement", &S::nodeValue)
        .Required();
    return e;
  }();
  m.Custom("endNode", [](const Loader& loader, const Ref& ref, S& step) { kEndNode.ReadObject(loader, ref, step); });
  return m;
}

Members<kprC_StaticLinearPerturbationStep> PerturbationMembers() {
  Members<kprC_StaticLinearPerturbationStep> m;
  MatrixStorage(m);
  return m;
}

Members<kprC_GeostaticStep> GeostaticMembers() {
  Members<kprC_GeostaticStep> m;
  Nlgeom(m);
  MatrixStorage(m);
  Technique(m);
  return m;
}

template <class S>
Members<S> HeatMembers(bool coupled) {
  Members<S> m;
  StepLine(m, true, true, true);
  MatrixStorage(m);
  if (coupled) Technique(m);
  Time(m);
  Transient(m);
  m.Real("maxTemperatureChange", &S::deltmx).Real("maxEmissivityChange", &S::mxdem);
  return m;
}

Members<kprC_MassDiffusionStep> MassDiffusionMembers() {
  using S = kprC_MassDiffusionStep;
  Members<S> m;
  StepLine(m, true, true, true);
  Time(m);
  Transient(m);
  m.Real("maxConcentrationChange", &S::dcmax);
  return m;
}

Members<kprC_SoilsStep> SoilsMembers() {
  using S = kprC_SoilsStep;
  Members<S> m;
  Nlgeom(m);
  StepLine(m, true, true, true);
  MatrixStorage(m);
  Technique(m);
  Time(m);
  m.Bool("consolidation", &S::consolidation)
      .Real("endValue", &S::endValue)
      .Real("maxPorePressureChange", &S::utol)
      .Bool("creep", &S::creep)
      .Real("creepTolerance", &S::creepTolerance);
  Stabilization(m);
  return m;
}

Members<kprC_CoupledTempDisplacementStep> CoupledTempDisplacementMembers() {
  using S = kprC_CoupledTempDisplacementStep;
  Members<S> m;
  Nlgeom(m);
  StepLine(m, true, true, true);
  MatrixStorage(m);
  Technique(m);
  Time(m);
  m.Enum<kprC_Creep::CreepEnm>("creep", &S::creep, kCreep)
      .Real("creepTolerance", &S::creepTolerance)
      .Bool("steadyState", &S::steadyState)
      .Real("maxTemperatureChange", &S::deltmx);
  Stabilization(m);
  return m;
}

Members<kprC_ViscoStep> ViscoMembers() {
  using S = kprC_ViscoStep;
  Members<S> m;
  Nlgeom(m);
  StepLine(m, true, true, true);
  MatrixStorage(m);
  Technique(m);
  Time(m);
  m.Enum<kprC_Creep::CreepEnm>("creep", &S::creep, kViscoCreep).Real("creepTolerance", &S::creepTolerance);
  Stabilization(m);
  return m;
}

Members<kprC_ImplicitDynamicsStep> ImplicitDynamicsMembers() {
  using S = kprC_ImplicitDynamicsStep;
  Members<S> m;
  Nlgeom(m);
  StepLine(m, true, true, true);
  MatrixStorage(m);
  Time(m);
  m.Real("alpha", &S::alpha)
      .Bool("adiabatic", &S::adiabatic)
      .Real("halfIncrementTolerance", &S::haftol)
      .Bool("noStop", &S::noStop)
      .Bool("halfIncrementResidual", &S::halfIncResidual)
      .Bool("initialAcceleration", &S::initialAcceleration);
  return m;
}

Members<kprC_AnnealStep> AnnealMembers() {
  Members<kprC_AnnealStep> m;
  Nlgeom(m);
  m.Real("temperature", &kprC_AnnealStep::temperature);
  return m;
}

Members<kprC_ExplicitDynamicsStep> ExplicitDynamicsMembers() {
  Members<kprC_ExplicitDynamicsStep> m;
  Explicit(m);
  m.Bool("adiabatic", &kprC_ExplicitDynamicsStep::adiabatic);
  return m;
}

Members<kprC_TempDisplacementDynamicsStep> TempDisplacementDynamicsMembers() {
  Members<kprC_TempDisplacementDynamicsStep> m;
  Explicit(m);
  return m;
}

Members<kprC_FrequencyStep> FrequencyMembers() {
  using S = kprC_FrequencyStep;
  Members<S> m;
  m.Enum<S::EigensolverEnm>("eigensolver", &S::eigensolver, kFrequencySolver)
      .Enum<S::AcousticCouplingEnm>("acousticCoupling", &S::acousticCoupling, kCoupling)
      .Bool("dampingProjection", &S::dampingProjection)
      .Enum<S::NormalizationEnm>("normalization", &S::normalization, kNormalization)
      .Int("numberInterval", &S::numberInterval, 1)
      .Real("bias", &S::bias)
      .Custom("boundaries", [](const Ref& ref, S& step) { step.boundaries = ref.Reals(); })
      .Bool("omitBoundaries", &S::omitBoundaries)
      .Real("propertyEvaluation", &S::propertyEvaluation)
      .Int("eigenvalues", &S::numEigen, 1)
      .Real("minFrequency", &S::minFrequency)
      .Real("maxFrequency", &S::maxFrequency)
      .Real("shift", &S::shift)
      .Int("blockSize", &S::blockSize, 1)
      .Int("maxBlockSteps", &S::maxBlocks, 1)
      .Int("vectors", &S::vectors, 1)
      .Int("maxIterations", &S::maxIterations, 1);
  return m;
}

Members<kprC_BuckleStep> BuckleMembers() {
  using S = kprC_BuckleStep;
  Members<S> m;
  m.Enum<S::EigensolverEnm>("eigensolver", &S::eigensolver, kBuckleSolver)
      .Int("eigenvalues", &S::numEigen, 1)
      .Real("minEigenvalue", &S::minEigen)
      .Real("maxEigenvalue", &S::maxEigen)
      .Int("blockSize", &S::blockSize, 1)
      .Int("maxBlockSteps", &S::maxBlocks, 1)
      .Int("vectors", &S::vectors, 1)
      .Int("maxIterations", &S::maxIterations, 1);
  return m;
}

Members<kprC_ComplexFrequencyStep> ComplexFrequencyMembers() {
  using S = kprC_ComplexFrequencyStep;
  Members<S> m;
  m.Bool("frictionDamping", &S::frictionDamping)
      .Int("eigenvalues", &S::numEigen, 1)
      .Real("minFrequency", &S::minFrequency)
      .Real("maxFrequency", &S::maxFrequency)
      .Real("shift", &S::shift);
  return m;
}

Members<kprC_ModalDynamicsStep> ModalDynamicsMembers() {
  using S = kprC_ModalDynamicsStep;
  Members<S> m;
  m.Bool("continue", &S::continueAnalysis).Real("timeIncrement", &S::timeIncrement).Real("timePeriod", &S::timePeriod);
  Damping(m, false);
  return m;
}

Members<kprC_SubspaceDynamicsStep> SubspaceDynamicsMembers() {
  using S = kprC_SubspaceDynamicsStep;
  Members<S> m;
  Nlgeom(m);
  StepLine(m, false, true, true);
  m.Int("vectors", &S::vectors, 0)
      .Real("timeIncrement", &S::timeIncrement)
      .Real("timePeriod", &S::timePeriod)
      .Int("eigenmodes", &S::numEigenmodes, 0);
  return m;
}

Members<kprC_RandomResponseStep> RandomResponseMembers() {
  Members<kprC_RandomResponseStep> m;
  Sweep(m);
  Damping(m, true);
  return m;
}

Members<kprC_ResponseSpectrumStep> ResponseSpectrumMembers() {
  using S = kprC_ResponseSpectrumStep;
  Members<S> m;
  m.Enum<S::CombinationEnm>("combination", &S::combination, kCombination)
      .Enum<S::SummationEnm>("summation", &S::summation, kSummation)
      .Custom("components", [](const Loader& loader, const Ref& ref, S& step) {
        // Each direction of the analysis: the spectrum it cites, the
        // direction's cosines and a scale factor.
        using C = kprC_SpectrumComponent;
        static const Members<C, Loader> kComponent = [] {
          Members<C, Loader> c;
          c.Custom("spectrum",
                   [](const Loader& loader, const Ref& spectrum, C& component) {
                     component.spectrum = spectrum.AsString();
                     const auto& amplitudes = loader.contents().amplitudes;
                     if (!amplitudes.IsMember(component.spectrum) ||
                         amplitudes.ConstGet(component.spectrum).DynTypeId() != mdl_TypeId<kamC_Spectrum>())
                       spectrum.Fail("model.unknown-reference", "no spectrum named \"" + component.spectrum + "\"");
                   })
              .Required()
              .Number("x", &C::x)
              .Number("y", &C::y)
              .Number("z", &C::z)
              .Number("scale", &C::scale);
          return c;
        }();
        ref.ForEachElement([&](const Ref& componentRef) {
          kprC_SpectrumComponent component;
          kComponent.ReadObject(loader, componentRef, component);
          step.components.push_back(component);
        });
      });
  Damping(m, false);
  return m;
}

Members<kprC_SteadyStateModalStep> SteadyStateModalMembers() {
  using S = kprC_SteadyStateModalStep;
  Members<S> m;
  Sweep(m);
  m.Enum<S::IntervalEnm>("interval", &S::interval, kInterval);
  Damping(m, true);
  return m;
}

Members<kprC_SteadyStateDirectStep> SteadyStateDirectMembers() {
  using S = kprC_SteadyStateDirectStep;
  Members<S> m;
  MatrixStorage(m);
  Sweep(m);
  m.Enum<S::IntervalEnm>("interval", &S::interval, kInterval).Bool("realOnly", &S::realOnly);
  return m;
}

Members<kprC_SteadyStateSubspaceStep> SteadyStateSubspaceMembers() {
  using S = kprC_SteadyStateSubspaceStep;
  Members<S> m;
  Sweep(m);
  m.Enum<S::IntervalEnm>("interval", &S::interval, kInterval)
      .Enum<S::ProjectionEnm>("projection", &S::projection, kProjection)
      .Real("dampingChange", &S::dampingChange)
      .Real("stiffnessChange", &S::stiffnessChange)
      .Bool("realOnly", &S::realOnly);
  return m;
}

/// Members every analysis step has; the loader reads them itself.
constexpr std::string_view kAnalysisMembers[] = {"name", "kind", "description", "keywords", "loadCases",
                                                 "restart", "monitor", "diagnosticPrint"};

/// Reads a step of class S: the members every analysis step has and those
/// of `members`, refusing any other.
template <class S, Members<S> (*members)()>
std::vector<std::string_view> KindMembers() {
  static const Members<S> kMembers = members();
  std::vector<std::string_view> allowed(std::begin(kAnalysisMembers), std::end(kAnalysisMembers));
  for (std::string_view member : kMembers.Names()) allowed.push_back(member);
  return allowed;
}

template <class S, Members<S> (*members)()>
std::shared_ptr<kprC_AnalysisStep> ReadKind(const Loader& loader, const std::string& name, const Ref& ref) {
  static const Members<S> kMembers = members();
  auto step = std::make_shared<S>(name);
  kMembers.ReadObject(loader, ref, *step, {std::begin(kAnalysisMembers), std::end(kAnalysisMembers)});
  return step;
}

Members<kprC_HeatTransferStep> HeatTransferMembers() { return HeatMembers<kprC_HeatTransferStep>(false); }
Members<kprC_CoupledThermalElectricStep> CoupledThermalElectricMembers() {
  return HeatMembers<kprC_CoupledThermalElectricStep>(true);
}

/// Checks of values that depend on each other.
void CheckStep(const Ref& ref, const kprC_AnalysisStep& step) {
  if (auto* visco = dynamic_cast<const kprC_ViscoStep*>(&step))
    if (visco->IsAutomatic() && !ref.Has("creepTolerance"))
      ref.Get("creepTolerance");  // automatic incrementation of a visco step is controlled by it
  if (auto* frequency = dynamic_cast<const kprC_FrequencyStep*>(&step))
    if (frequency->eigensolver == kprC_FrequencyStep::EIGENSOLVER_LANCZOS &&
        frequency->acousticCoupling == kprC_FrequencyStep::COUPLING_PROJECTION)
      ref.Get("acousticCoupling").Fail("model.conflict", "the Lanczos eigensolver has no acoustic projection");
}

}  // namespace

namespace {

using K = kprC_StepKind;

/// The reader of every step kind, in kind order; the kind's name in the file
/// is its model database row's.
struct StepReaderRow {
  kprC_StepKind kind;
  std::shared_ptr<kprC_AnalysisStep> (*read)(const Loader& loader, const std::string& name, const Ref& ref);
  std::vector<std::string_view> (*members)();
};

template <class S, Members<S> (*members)()>
constexpr StepReaderRow Row(kprC_StepKind kind) {
  return {kind, &ReadKind<S, members>, &KindMembers<S, members>};
}

constexpr StepReaderRow kStepReaders[] = {
    Row<kprC_StaticStep, &StaticMembers>(K::Static),
    Row<kprC_StaticRiksStep, &RiksMembers>(K::StaticRiks),
    Row<kprC_StaticLinearPerturbationStep, &PerturbationMembers>(K::StaticLinearPerturbation),
    Row<kprC_GeostaticStep, &GeostaticMembers>(K::Geostatic),
    Row<kprC_HeatTransferStep, &HeatTransferMembers>(K::HeatTransfer),
    Row<kprC_CoupledThermalElectricStep, &CoupledThermalElectricMembers>(K::CoupledThermalElectric),
    Row<kprC_MassDiffusionStep, &MassDiffusionMembers>(K::MassDiffusion),
    Row<kprC_SoilsStep, &SoilsMembers>(K::Soils),
    Row<kprC_CoupledTempDisplacementStep, &CoupledTempDisplacementMembers>(K::CoupledTempDisplacement),
    Row<kprC_ViscoStep, &ViscoMembers>(K::Visco),
    Row<kprC_ImplicitDynamicsStep, &ImplicitDynamicsMembers>(K::ImplicitDynamics),
    Row<kprC_AnnealStep, &AnnealMembers>(K::Anneal),
    Row<kprC_ExplicitDynamicsStep, &ExplicitDynamicsMembers>(K::ExplicitDynamics),
    Row<kprC_TempDisplacementDynamicsStep, &TempDisplacementDynamicsMembers>(K::TempDisplacementDynamics),
    Row<kprC_FrequencyStep, &FrequencyMembers>(K::Frequency),
    Row<kprC_BuckleStep, &BuckleMembers>(K::Buckle),
    Row<kprC_ComplexFrequencyStep, &ComplexFrequencyMembers>(K::ComplexFrequency),
    Row<kprC_ModalDynamicsStep, &ModalDynamicsMembers>(K::ModalDynamics),
    Row<kprC_SubspaceDynamicsStep, &SubspaceDynamicsMembers>(K::SubspaceDynamics),
    Row<kprC_RandomResponseStep, &RandomResponseMembers>(K::RandomResponse),
    Row<kprC_ResponseSpectrumStep, &ResponseSpectrumMembers>(K::ResponseSpectrum),
    Row<kprC_SteadyStateModalStep, &SteadyStateModalMembers>(K::SteadyStateModal),
    Row<kprC_SteadyStateDirectStep, &SteadyStateDirectMembers>(K::SteadyStateDirect),
    Row<kprC_SteadyStateSubspaceStep, &SteadyStateSubspaceMembers>(K::SteadyStateSubspace),
};
static_assert(mdl_OneRowPerKindInOrder<kprC_StepKind>(kStepReaders));

}  // namespace

std::vector<std::string_view> StepKindMembers(kprC_StepKind kind) { return kStepReaders[int(kind)].members(); }

namespace {

/// A load case as it is read: made with its name (the first member), which
/// no other case of the step has.
struct LoadCaseRead {
  std::map<std::string, std::size_t>& names;
  std::shared_ptr<klcC_LoadCase> loadCase;
};

const Members<LoadCaseRead>& LoadCaseMembers() {
  using R = LoadCaseRead;
  static const Members<R> members = [] {
    Members<R> m;
    m.Custom("name",
             [](const Ref& ref, R& read) {
               read.loadCase = std::make_shared<klcC_LoadCase>(ReadName(ref));
               CheckUnique(ref, read.loadCase->name(), read.names, "load case in this step");
             })
        .Required()
        .Custom("includeBaseStateBoundaryConditions",
                [](const Ref& ref, R& read) { read.loadCase->includeBaseStateBCs = ref.AsBool(); })
        .Custom("keepBoundaryConditions", [](const Ref& ref, R& read) { read.loadCase->keepBCs = ref.AsBool(); })
        // The conditions the case applies, each with its scale factor; the
        // names are checked once the conditions are read.
        .Custom("boundaryConditions",
                [](const Ref& ref, R& read) {
                  ref.ForEachMember([&](const std::string& condition, const Ref& factor) {
                    read.loadCase->boundaryConditions[condition] = factor.AsDouble();
                  });
                })
        .Custom("loads",
                [](const Ref& ref, R& read) {
                  ref.ForEachMember([&](const std::string& load, const Ref& factor) {
                    read.loadCase->loads[load] = factor.AsFloat();
                  });
                })
        .Custom("fields", [](const Ref& ref, R& read) {
          ref.ForEachMember([&](const std::string& field, const Ref& factor) {
            read.loadCase->fields[field] = factor.AsDouble();
          });
        });
    return m;
  }();
  return members;
}

}  // namespace

void Loader::LoadSteps(const Ref& root) {
  std::vector<std::pair<std::string, std::shared_ptr<kprC_Step>>> steps;
  std::map<std::string, std::shared_ptr<kprC_AnalysisStep>> analysisSteps;
  std::map<std::string, std::size_t> seen;
  auto add = [&](const std::string& name, std::shared_ptr<kprC_Step> step) {
    stepIndex_.emplace(name, stepNames_.size());
    stepNames_.push_back(name);
    steps.emplace_back(name, std::move(step));
  };
  bool first = true;
  PrintInForce printInForce = PrintInForce::None;
  if (root.Has("steps")) root.Get("steps").ForEachElement([&](const Ref& ref) {
    const std::string name = ReadName(ref.Get("name"));
    const Ref kindRef = ref.Get("kind");
    const std::string kind = kindRef.AsString();
    const bool initial = kind == "initial";
    if (first && !initial) {
      // A file that starts with an analysis step gets the initial step implicitly.
      seen.emplace("Initial", 0);
      add("Initial", std::make_shared<kprC_InitialStep>("Initial"));
    }
    if (initial && !first) kindRef.Fail("model.step", "only the first step may be the initial step");
    first = false;
    CheckUnique(ref.Get("name"), name, seen, "step");

    std::shared_ptr<kprC_Step> step;
    if (initial) {
      ref.AllowOnly({"name", "kind", "keywords"});
      step = std::make_shared<kprC_InitialStep>(name);
    } else {
      const StepReaderRow* reader = nullptr;
      for (const StepReaderRow& row : kStepReaders)
        if (kind == kprC_Info(row.kind).fileName) reader = &row;
      if (reader == nullptr) {
        std::vector<std::string_view> known = {"initial"};
        for (const StepReaderRow& row : kStepReaders) known.push_back(kprC_Info(row.kind).fileName);
        FailUnknown(kindRef, "step kind", kind, QuotedList(known));
      }
      // A kind the writer has no form for is refused here, before any deck is written.
      if (const char* reason = kprC_Info(reader->kind).unwritable)
        kindRef.Fail("model.unsupported",
                     "the writer cannot write a step of kind \"" + kind + "\" (" + std::string(reason) + ")");
      auto analysis = reader->read(*this, name, ref);
      CheckStep(ref, *analysis);
      if (ref.Has("description")) {
        const Ref description = ref.Get("description");
        analysis->description_ = description.AsString();
        if (analysis->description_.find_first_of("\n\r") != std::string::npos)
          description.Fail("model.text", "a step description is one line");
        CheckNoControls(description, analysis->description_, "model.text", "a step description");
        if (analysis->description_.find_first_not_of(' ') != std::string::npos &&
            analysis->description_[analysis->description_.find_first_not_of(' ')] == '*')
          description.Fail("model.text", "a step description must not start with \"*\": the deck would read it as a "
                                         "keyword line or a comment");
      }
      if (ref.Has("loadCases")) {
        std::map<std::string, std::size_t> caseNames;
        ref.Get("loadCases").ForEachElement([&](const Ref& caseRef) {
          LoadCaseRead read{caseNames, nullptr};
          LoadCaseMembers().ReadObject(caseRef, read);
          analysis->loadCases_.Add(read.loadCase->name(), read.loadCase);
        });
      }
      ReadStepOutputSettings(*this, ref, *analysis, printInForce);
      analysisSteps.emplace(name, analysis);
      step = analysis;
    }
    if (ref.Has("keywords")) step->solverInput_ = ReadKeywordText(ref.Get("keywords"));
    add(name, step);
  });
  ReadControls(*this, root, analysisSteps);
  for (auto& [name, step] : steps) contents_->steps.Add(name, step);
}

}  // namespace mfl
