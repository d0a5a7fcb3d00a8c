#pragma once
// The output variable catalogue: every output variable that a request may
// name, with the keyword kind it is written under, its parent (a component
// such as S11 or MISES is written as its parent S), the name it is printed
// as when that differs from its own, the procedures it is valid for and the
// channels it belongs to; and, per procedure, the variables a request with
// "preselect" stands for and the frequency kind its requests have by
// default. Both are data: rows in kRequestRows and kDefaultOutputRows.
// docs/output-variables.md says what the rows mean and how to add one.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "modeldb/kprC_Procedure.h"
#include "modeldb/mdb_Export.h"

/// The variable keyword a variable is written under.
enum korC_OutputKind : int {
  korC_NodeKind = 0,           ///< *Node Output
  korC_ElementKind = 1,        ///< *Element Output
  korC_ModalKind = 2,          ///< *Modal Output
  korC_ContactKind = 4,        ///< *Contact Output
  korC_RadiationKind = 5,      ///< *Radiation Output
  korC_IncrementationKind = 6, ///< *Incrementation Output
  korC_EnergyKind = 7,         ///< *Energy Output
  korC_CohesiveKind = 8,       ///< *Element Output or *Contact Output (cohesive elements and surfaces)
  korC_IntegratedKind = 9,     ///< *Integrated Output
};

/// Channels a variable belongs to (bit kprC_Channel).
enum korC_ChannelBits : unsigned {
  korC_Field = 1u << kprC_FieldChannel,
  korC_History = 1u << kprC_HistoryChannel,
  korC_Both = korC_Field | korC_History,
};

/// One output variable.
struct korC_OdbRequestInfo {
  const char* name;       ///< as a request names it ("S", "S11", "ALLIE")
  int kind;               ///< korC_OutputKind
  const char* parent;     ///< the parent request of a component; nullptr for a parent request
  const char* printName;  ///< the identifier the keyword prints, when not `name`; nullptr otherwise
  unsigned validFor;      ///< kprC_Physics: valid when the procedure has one of these
  unsigned notFor;        ///< kprC_Physics: invalid when the procedure has one of these
  unsigned channels;      ///< korC_ChannelBits
};

namespace korC_detail {
inline constexpr unsigned M = kprC_Mechanical, T = kprC_Thermal, El = kprC_Electrical, D = kprC_Diffusion,
                          P = kprC_PoreFluid, EIG = kprC_Eigen, MOD = kprC_ModalResponse, X = kprC_Explicit,
                          DYN = kprC_Dynamic, ANY = M | T | El | D | P;
inline constexpr unsigned F = korC_Field, H = korC_History, FH = korC_Both;
inline constexpr int N = korC_NodeKind, E = korC_ElementKind, MO = korC_ModalKind, C = korC_ContactKind,
                     R = korC_RadiationKind, I = korC_IncrementationKind, EN = korC_EnergyKind,
                     CO = korC_CohesiveKind, IN = korC_IntegratedKind;

/// A parent request.
constexpr korC_OdbRequestInfo Var(const char* name, int kind, unsigned validFor, unsigned notFor = 0,
                                  unsigned channels = FH, const char* printName = nullptr) {
  return {name, kind, nullptr, printName, validFor, notFor, channels};
}
/// A component of `parent`; its kind, validity and channels are its parent's.
constexpr korC_OdbRequestInfo Part(const char* name, const char* parent) {
  return {name, -1, parent, nullptr, 0, 0, 0};
}
}  // namespace korC_detail

// clang-format off
inline constexpr korC_OdbRequestInfo korC_RequestRows[] = {
    // Nodal variables.
    korC_detail::Var("U", korC_detail::N, korC_detail::M),
    korC_detail::Part("U1", "U"), korC_detail::Part("U2", "U"), korC_detail::Part("U3", "U"),
    korC_detail::Part("UR1", "U"), korC_detail::Part("UR2", "U"), korC_detail::Part("UR3", "U"),
    korC_detail::Part("UT", "U"), korC_detail::Part("UR", "U"),
    korC_detail::Var("V", korC_detail::N, korC_detail::DYN),
    korC_detail::Part("V1", "V"), korC_detail::Part("V2", "V"), korC_detail::Part("V3", "V"),
    korC_detail::Part("VR1", "V"), korC_detail::Part("VR2", "V"), korC_detail::Part("VR3", "V"),
    korC_detail::Part("VT", "V"), korC_detail::Part("VR", "V"),
    korC_detail::Var("A", korC_detail::N, korC_detail::DYN),
    korC_detail::Part("A1", "A"), korC_detail::Part("A2", "A"), korC_detail::Part("A3", "A"),
    korC_detail::Part("AR1", "A"), korC_detail::Part("AR2", "A"), korC_detail::Part("AR3", "A"),
    korC_detail::Part("AT", "A"), korC_detail::Part("AR", "A"),
    korC_detail::Var("RF", korC_detail::N, korC_detail::M),
    korC_detail::Part("RF1", "RF"), korC_detail::Part("RF2", "RF"), korC_detail::Part("RF3", "RF"),
    korC_detail::Part("RM1", "RF"), korC_detail::Part("RM2", "RF"), korC_detail::Part("RM3", "RF"),
    korC_detail::Part("RT", "RF"), korC_detail::Part("RM", "RF"),
    korC_detail::Var("CF", korC_detail::N, korC_detail::M),
    korC_detail::Part("CF1", "CF"), korC_detail::Part("CF2", "CF"), korC_detail::Part("CF3", "CF"),
    korC_detail::Part("CM1", "CF"), korC_detail::Part("CM2", "CF"), korC_detail::Part("CM3", "CF"),
    korC_detail::Var("TF", korC_detail::N, korC_detail::M),
    korC_detail::Part("TF1", "TF"), korC_detail::Part("TF2", "TF"), korC_detail::Part("TF3", "TF"),
    korC_detail::Var("COORD", korC_detail::N, korC_detail::M),
    korC_detail::Part("COOR1", "COORD"), korC_detail::Part("COOR2", "COORD"), korC_detail::Part("COOR3", "COORD"),
    korC_detail::Var("NT", korC_detail::N, korC_detail::M | korC_detail::T),
    korC_detail::Part("NT11", "NT"),
    korC_detail::Var("RFL", korC_detail::N, korC_detail::T | korC_detail::P),
    korC_detail::Part("RFL11", "RFL"),
    korC_detail::Var("CFL", korC_detail::N, korC_detail::T),
    korC_detail::Part("CFL11", "CFL"),
    korC_detail::Var("POR", korC_detail::N, korC_detail::P),
    korC_detail::Var("RVF", korC_detail::N, korC_detail::P),
    korC_detail::Var("EPOT", korC_detail::N, korC_detail::El),
    korC_detail::Var("RCHG", korC_detail::N, korC_detail::El),
    korC_detail::Var("NNC", korC_detail::N, korC_detail::D),
    korC_detail::Part("NNC11", "NNC"),

    // Element variables: stresses and their invariants.
    korC_detail::Var("S", korC_detail::E, korC_detail::M),
    korC_detail::Part("S11", "S"), korC_detail::Part("S22", "S"), korC_detail::Part("S33", "S"),
    korC_detail::Part("S12", "S"), korC_detail::Part("S13", "S"), korC_detail::Part("S23", "S"),
    korC_detail::Part("MISES", "S"), korC_detail::Part("TRESC", "S"), korC_detail::Part("PRESS", "S"),
    korC_detail::Part("INV3", "S"),
    korC_detail::Var("SP", korC_detail::E, korC_detail::M),
    korC_detail::Part("SP1", "SP"), korC_detail::Part("SP2", "SP"), korC_detail::Part("SP3", "SP"),
    korC_detail::Var("SVAVG", korC_detail::E, korC_detail::X),
    // Strains.
    korC_detail::Var("E", korC_detail::E, korC_detail::M),
    korC_detail::Part("E11", "E"), korC_detail::Part("E22", "E"), korC_detail::Part("E33", "E"),
    korC_detail::Part("E12", "E"), korC_detail::Part("E13", "E"), korC_detail::Part("E23", "E"),
    korC_detail::Var("LE", korC_detail::E, korC_detail::M),
    korC_detail::Part("LE11", "LE"), korC_detail::Part("LE22", "LE"), korC_detail::Part("LE33", "LE"),
    korC_detail::Part("LE12", "LE"), korC_detail::Part("LE13", "LE"), korC_detail::Part("LE23", "LE"),
    korC_detail::Var("NE", korC_detail::E, korC_detail::M),
    korC_detail::Part("NE11", "NE"), korC_detail::Part("NE22", "NE"), korC_detail::Part("NE33", "NE"),
    korC_detail::Part("NE12", "NE"), korC_detail::Part("NE13", "NE"), korC_detail::Part("NE23", "NE"),
    korC_detail::Var("EE", korC_detail::E, korC_detail::M),
    korC_detail::Var("IE", korC_detail::E, korC_detail::M),
    korC_detail::Var("THE", korC_detail::E, korC_detail::M),
    korC_detail::Var("ER", korC_detail::E, korC_detail::M),
    // Plastic strain and its equivalent.
    korC_detail::Var("PE", korC_detail::E, korC_detail::M),
    korC_detail::Part("PE11", "PE"), korC_detail::Part("PE22", "PE"), korC_detail::Part("PE33", "PE"),
    korC_detail::Part("PE12", "PE"), korC_detail::Part("PE13", "PE"), korC_detail::Part("PE23", "PE"),
    korC_detail::Var("PEEQ", korC_detail::E, korC_detail::M),
    korC_detail::Var("PEMAG", korC_detail::E, korC_detail::M),
    korC_detail::Var("PEEQT", korC_detail::E, korC_detail::M),
    korC_detail::Var("PEVAVG", korC_detail::E, korC_detail::X),
    korC_detail::Var("PEEQVAVG", korC_detail::E, korC_detail::X),
    // Energies per element.
    korC_detail::Var("ENER", korC_detail::E, korC_detail::M, korC_detail::EIG),
    korC_detail::Part("SENER", "ENER"), korC_detail::Part("PENER", "ENER"), korC_detail::Part("CENER", "ENER"),
    korC_detail::Part("VENER", "ENER"), korC_detail::Part("EENER", "ENER"), korC_detail::Part("JENER", "ENER"),
    korC_detail::Part("DMENER", "ENER"),
    korC_detail::Var("ELEN", korC_detail::E, korC_detail::M, korC_detail::EIG),
    korC_detail::Part("ELSE", "ELEN"), korC_detail::Part("ELPD", "ELEN"), korC_detail::Part("ELCD", "ELEN"),
    korC_detail::Part("ELKE", "ELEN"), korC_detail::Part("ELVD", "ELEN"), korC_detail::Part("ELASE", "ELEN"),
    korC_detail::Var("ELEDEN", korC_detail::E, korC_detail::M, korC_detail::EIG),
    korC_detail::Part("ESEDEN", "ELEDEN"), korC_detail::Part("EPDDEN", "ELEDEN"), korC_detail::Part("EKEDEN", "ELEDEN"),
    korC_detail::Part("ECDDEN", "ELEDEN"), korC_detail::Part("EVDDEN", "ELEDEN"),
    // Section forces, moments, strains and curvatures; volumes; thickness.
    korC_detail::Var("SF", korC_detail::E, korC_detail::M),
    korC_detail::Part("SF1", "SF"), korC_detail::Part("SF2", "SF"), korC_detail::Part("SF3", "SF"),
    korC_detail::Part("SM1", "SF"), korC_detail::Part("SM2", "SF"), korC_detail::Part("SM3", "SF"),
    korC_detail::Part("SM", "SF"),
    korC_detail::Var("SE", korC_detail::E, korC_detail::M),
    korC_detail::Part("SE1", "SE"), korC_detail::Part("SE2", "SE"), korC_detail::Part("SE3", "SE"),
    korC_detail::Part("SK1", "SE"), korC_detail::Part("SK2", "SE"), korC_detail::Part("SK3", "SE"),
    korC_detail::Var("STH", korC_detail::E, korC_detail::M),
    korC_detail::Var("EVOL", korC_detail::E, korC_detail::M),
    korC_detail::Var("IVOL", korC_detail::E, korC_detail::M),
    korC_detail::Var("NFORC", korC_detail::E, korC_detail::M),
    // State, damage and other element variables.
    korC_detail::Var("SDV", korC_detail::E, korC_detail::ANY),
    korC_detail::Var("STATUS", korC_detail::E, korC_detail::M),
    korC_detail::Var("SDEG", korC_detail::E, korC_detail::M),
    korC_detail::Var("EVF", korC_detail::E, korC_detail::X),
    korC_detail::Var("TEMP", korC_detail::E, korC_detail::M | korC_detail::T),
    korC_detail::Var("HFL", korC_detail::E, korC_detail::T),
    korC_detail::Part("HFL1", "HFL"), korC_detail::Part("HFL2", "HFL"), korC_detail::Part("HFL3", "HFL"),
    korC_detail::Part("HFLM", "HFL"),
    korC_detail::Var("EPG", korC_detail::E, korC_detail::El),
    korC_detail::Var("ECD", korC_detail::E, korC_detail::El),
    korC_detail::Var("CONC", korC_detail::E, korC_detail::D),
    korC_detail::Var("MFL", korC_detail::E, korC_detail::D),
    korC_detail::Var("FLVEL", korC_detail::E, korC_detail::P),
    korC_detail::Var("VOIDR", korC_detail::E, korC_detail::P),
    korC_detail::Var("SAT", korC_detail::E, korC_detail::P),
    // Connector elements.
    korC_detail::Var("CTF", korC_detail::E, korC_detail::M),
    korC_detail::Part("CTF1", "CTF"), korC_detail::Part("CTF2", "CTF"), korC_detail::Part("CTF3", "CTF"),
    korC_detail::Part("CTM1", "CTF"), korC_detail::Part("CTM2", "CTF"), korC_detail::Part("CTM3", "CTF"),
    korC_detail::Var("CU", korC_detail::E, korC_detail::M),
    korC_detail::Part("CU1", "CU"), korC_detail::Part("CU2", "CU"), korC_detail::Part("CU3", "CU"),
    korC_detail::Part("CUR1", "CU"), korC_detail::Part("CUR2", "CU"), korC_detail::Part("CUR3", "CU"),

    // Modal variables: eigenvalues, participation factors, generalized responses.
    korC_detail::Var("EIGFREQ", korC_detail::MO, korC_detail::EIG, 0, korC_detail::H),
    korC_detail::Var("EIGVAL", korC_detail::MO, korC_detail::EIG, 0, korC_detail::H),
    korC_detail::Var("GM", korC_detail::MO, korC_detail::EIG, 0, korC_detail::H),
    korC_detail::Var("EM", korC_detail::MO, korC_detail::EIG, 0, korC_detail::H),
    korC_detail::Part("EM1", "EM"), korC_detail::Part("EM2", "EM"), korC_detail::Part("EM3", "EM"),
    korC_detail::Var("PF", korC_detail::MO, korC_detail::EIG, 0, korC_detail::H),
    korC_detail::Part("PF1", "PF"), korC_detail::Part("PF2", "PF"), korC_detail::Part("PF3", "PF"),
    korC_detail::Part("PF4", "PF"), korC_detail::Part("PF5", "PF"), korC_detail::Part("PF6", "PF"),
    korC_detail::Var("GU", korC_detail::MO, korC_detail::MOD, 0, korC_detail::H),
    korC_detail::Var("GV", korC_detail::MO, korC_detail::MOD, 0, korC_detail::H),
    korC_detail::Var("GA", korC_detail::MO, korC_detail::MOD, 0, korC_detail::H),

    // Contact: pressures, slips and forces.
    korC_detail::Var("CSTRESS", korC_detail::C, korC_detail::M, korC_detail::EIG),
    korC_detail::Part("CPRESS", "CSTRESS"), korC_detail::Part("CSHEAR1", "CSTRESS"),
    korC_detail::Part("CSHEAR2", "CSTRESS"),
    korC_detail::Var("CDISP", korC_detail::C, korC_detail::M, korC_detail::EIG),
    korC_detail::Part("COPEN", "CDISP"), korC_detail::Part("CSLIP1", "CDISP"), korC_detail::Part("CSLIP2", "CDISP"),
    korC_detail::Var("CFORCE", korC_detail::C, korC_detail::M, korC_detail::EIG),
    korC_detail::Part("CNORMF", "CFORCE"), korC_detail::Part("CSHEARF", "CFORCE"),
    korC_detail::Var("CSTATUS", korC_detail::C, korC_detail::M, korC_detail::EIG),
    korC_detail::Var("CFN", korC_detail::C, korC_detail::M, korC_detail::EIG, korC_detail::H),
    korC_detail::Var("CFNM", korC_detail::C, korC_detail::M, korC_detail::EIG, korC_detail::H, "CFN"),
    korC_detail::Var("CFS", korC_detail::C, korC_detail::M, korC_detail::EIG, korC_detail::H),
    korC_detail::Var("CFSM", korC_detail::C, korC_detail::M, korC_detail::EIG, korC_detail::H, "CFS"),
    korC_detail::Var("CMN", korC_detail::C, korC_detail::M, korC_detail::EIG, korC_detail::H),
    korC_detail::Var("CMNM", korC_detail::C, korC_detail::M, korC_detail::EIG, korC_detail::H, "CMN"),
    korC_detail::Var("CAREA", korC_detail::C, korC_detail::M, korC_detail::EIG, korC_detail::H),
    korC_detail::Var("HFLA", korC_detail::C, korC_detail::T),
    korC_detail::Var("CSDMG", korC_detail::CO, korC_detail::M, korC_detail::EIG),

    // Radiation.
    korC_detail::Var("RADFL", korC_detail::R, korC_detail::T),
    korC_detail::Var("RADFLA", korC_detail::R, korC_detail::T),
    korC_detail::Var("RADTL", korC_detail::R, korC_detail::T),
    korC_detail::Var("RADTLA", korC_detail::R, korC_detail::T),
    korC_detail::Var("VFTOT", korC_detail::R, korC_detail::T),

    // Incrementation of explicit steps.
    korC_detail::Var("DT", korC_detail::I, korC_detail::X, 0, korC_detail::H),
    korC_detail::Var("DMASS", korC_detail::I, korC_detail::X, 0, korC_detail::H),

    // Energies of the whole model or an element set.
    korC_detail::Var("ALLAE", korC_detail::EN, korC_detail::M, korC_detail::EIG | korC_detail::MOD, korC_detail::H),
    korC_detail::Var("ALLCD", korC_detail::EN, korC_detail::M, korC_detail::EIG | korC_detail::MOD, korC_detail::H),
    korC_detail::Var("ALLDMD", korC_detail::EN, korC_detail::M, korC_detail::EIG | korC_detail::MOD, korC_detail::H),
    korC_detail::Var("ALLEE", korC_detail::EN, korC_detail::M, korC_detail::EIG | korC_detail::MOD, korC_detail::H),
    korC_detail::Var("ALLFD", korC_detail::EN, korC_detail::M, korC_detail::EIG | korC_detail::MOD, korC_detail::H),
    korC_detail::Var("ALLIE", korC_detail::EN, korC_detail::M, korC_detail::EIG | korC_detail::MOD, korC_detail::H),
    korC_detail::Var("ALLJD", korC_detail::EN, korC_detail::M, korC_detail::EIG | korC_detail::MOD, korC_detail::H),
    korC_detail::Var("ALLKE", korC_detail::EN, korC_detail::M, korC_detail::EIG | korC_detail::MOD, korC_detail::H),
    korC_detail::Var("ALLKL", korC_detail::EN, korC_detail::M, korC_detail::EIG | korC_detail::MOD, korC_detail::H),
    korC_detail::Var("ALLPD", korC_detail::EN, korC_detail::M, korC_detail::EIG | korC_detail::MOD, korC_detail::H),
    korC_detail::Var("ALLQB", korC_detail::EN, korC_detail::M, korC_detail::EIG | korC_detail::MOD, korC_detail::H),
    korC_detail::Var("ALLSD", korC_detail::EN, korC_detail::M, korC_detail::EIG | korC_detail::MOD, korC_detail::H),
    korC_detail::Var("ALLSE", korC_detail::EN, korC_detail::M, korC_detail::EIG | korC_detail::MOD, korC_detail::H),
    korC_detail::Var("ALLVD", korC_detail::EN, korC_detail::M, korC_detail::EIG | korC_detail::MOD, korC_detail::H),
    korC_detail::Var("ALLWK", korC_detail::EN, korC_detail::M, korC_detail::EIG | korC_detail::MOD, korC_detail::H),
    korC_detail::Var("ALLMW", korC_detail::EN, korC_detail::X, 0, korC_detail::H),
    korC_detail::Var("ETOTAL", korC_detail::EN, korC_detail::M, korC_detail::EIG | korC_detail::MOD, korC_detail::H),

    // Integrated output on a section.
    korC_detail::Var("SOF", korC_detail::IN, korC_detail::M, korC_detail::EIG, korC_detail::H),
    korC_detail::Var("SOM", korC_detail::IN, korC_detail::M, korC_detail::EIG, korC_detail::H),
    korC_detail::Var("SOP", korC_detail::IN, korC_detail::M, korC_detail::EIG, korC_detail::H),
    korC_detail::Var("SOAREA", korC_detail::IN, korC_detail::M, korC_detail::EIG, korC_detail::H),
};
// clang-format on

/// What a procedure's requests have by default: the frequency kind of each
/// channel (korC_DefaultOutputType) and the variables "preselect" stands for
/// on each channel (names separated by spaces).
struct korC_DefaultOutputRow {
  kprC_StepKind kind;
  int fieldType;              ///< kprC_FrequencyKind of a field request
  int historyType;            ///< kprC_FrequencyKind of a history request
  const char* fieldDefaults;
  const char* historyDefaults;
};

namespace korC_detail {
inline constexpr const char* kStaticField = "S PE PEEQ PEMAG LE U RF CF CSTRESS CDISP";
inline constexpr const char* kEnergies =
    "ALLAE ALLCD ALLDMD ALLEE ALLFD ALLIE ALLJD ALLKE ALLKL ALLPD ALLQB ALLSD ALLSE ALLVD ALLWK ETOTAL";
inline constexpr const char* kExplicitField = "S SVAVG PE PEVAVG PEEQ PEEQVAVG LE U V A RF CSTRESS EVF";
inline constexpr const char* kExplicitEnergies =
    "ALLAE ALLCD ALLDMD ALLEE ALLFD ALLIE ALLKE ALLPD ALLSE ALLVD ALLWK ETOTAL";
}  // namespace korC_detail

// clang-format off
inline constexpr korC_DefaultOutputRow korC_DefaultOutputRows[] = {
    {kprC_StepKind::Static, 0, 0, korC_detail::kStaticField, korC_detail::kEnergies},
    {kprC_StepKind::StaticRiks, 0, 0, korC_detail::kStaticField, korC_detail::kEnergies},
    {kprC_StepKind::StaticLinearPerturbation, 0, 0, "S E U RF CF CSTRESS CDISP", korC_detail::kEnergies},
    {kprC_StepKind::Geostatic, 0, 0, "S PE PEEQ PEMAG LE U RF CF CSTRESS CDISP POR VOIDR SAT", korC_detail::kEnergies},
    {kprC_StepKind::HeatTransfer, 0, 0, "NT HFL RFL", ""},
    {kprC_StepKind::CoupledThermalElectric, 0, 0, "NT HFL RFL EPOT ECD", ""},
    {kprC_StepKind::MassDiffusion, 0, 0, "NNC CONC MFL", ""},
    {kprC_StepKind::Soils, 0, 0, "S PE PEEQ PEMAG LE U RF CF CSTRESS CDISP POR VOIDR SAT", korC_detail::kEnergies},
    {kprC_StepKind::CoupledTempDisplacement, 0, 0, "S PE PEEQ PEMAG LE U RF CF CSTRESS CDISP NT HFL RFL", korC_detail::kEnergies},
    {kprC_StepKind::Visco, 0, 0, korC_detail::kStaticField, korC_detail::kEnergies},
    {kprC_StepKind::ImplicitDynamics, 0, 0, "S PE PEEQ PEMAG LE U V A RF CF CSTRESS CDISP", korC_detail::kEnergies},
    {kprC_StepKind::Anneal, 0, 0, "S PE PEEQ U", korC_detail::kEnergies},
    {kprC_StepKind::ExplicitDynamics, 1, 1, korC_detail::kExplicitField, korC_detail::kExplicitEnergies},
    {kprC_StepKind::TempDisplacementDynamics, 1, 1, "S SVAVG PE PEVAVG PEEQ PEEQVAVG LE U V A RF CSTRESS EVF NT HFL", korC_detail::kExplicitEnergies},
    {kprC_StepKind::Frequency, 3, 0, "U", "EIGFREQ EIGVAL GM EM PF"},
    {kprC_StepKind::Buckle, 3, 0, "U", "EIGVAL"},
    {kprC_StepKind::ComplexFrequency, 3, 0, "U", "EIGFREQ EIGVAL"},
    {kprC_StepKind::ModalDynamics, 0, 0, "U S RF", "GU"},
    {kprC_StepKind::SubspaceDynamics, 0, 0, "U S RF", "GU"},
    {kprC_StepKind::RandomResponse, 0, 0, "U S RF", "GU"},
    {kprC_StepKind::ResponseSpectrum, 0, 0, "U S RF", "GU"},
    {kprC_StepKind::SteadyStateModal, 0, 0, "U S RF", "GU"},
    {kprC_StepKind::SteadyStateDirect, 0, 0, "U S RF", "U"},
    {kprC_StepKind::SteadyStateSubspace, 0, 0, "U S RF", "GU"},
};
// clang-format on
static_assert(mdl_OneRowPerKindInOrder<kprC_StepKind>(korC_DefaultOutputRows));

/// The frequency kind that requests of a procedure have by default on a
/// channel (kprC_Channel).
MDB_API int korC_DefaultOutputType(unsigned procedureType, int channel);

/// Queries of the catalogue.
class MDB_API korC_OdbRequestTable {
 public:
  static std::span<const korC_OdbRequestInfo> Rows();
  /// The row of a variable, or nullptr.
  static const korC_OdbRequestInfo* Find(std::string_view name);
  static bool IsParentRequest(std::string_view name);
  static bool IsComponentRequest(std::string_view name);
  /// The parent request of a component, the row itself for a parent, or
  /// nullptr for a name outside the catalogue.
  static const korC_OdbRequestInfo* ParentOf(std::string_view name);
  /// The row of a parent request when it is valid for the procedure (and,
  /// when `channel` is not 0, belongs to that channel); nullptr otherwise.
  static const korC_OdbRequestInfo* Lookup(std::string_view name, unsigned procedureType, int channel = 0);
  /// The names among `names` that the procedure cannot write on the channel:
  /// names outside the catalogue and variables not valid for it.
  static std::vector<std::string> GetInvalidPrintIdentifiers(const std::vector<std::string>& names,
                                                             unsigned procedureType, int channel);
  /// The names among `names` that the catalogue does not know.
  static std::vector<std::string> GetUnknownIdentifiers(const std::vector<std::string>& names);
  /// The variables a "preselect" request stands for.
  static std::vector<std::string> Defaults(unsigned procedureType, int channel);
  /// Every parent request valid for the procedure on the channel ("all").
  static std::vector<std::string> All(unsigned procedureType, int channel);
};
