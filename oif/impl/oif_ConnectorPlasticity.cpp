#include "oif/impl/oif_ConnectorPlasticity.h"

#include <algorithm>

#include "oif/impl/oif_ConnectorBehavior.h"
#include "oif/impl/oif_KeywordLine.h"

namespace {

template <std::size_t N>
const char* Word(const char* const (&words)[N], int value) {
  return words[std::clamp(value, 0, int(N) - 1)];
}

void AddDependencies(oif_KeywordLine& line, const kmaC_TableData& data) {
  if (data.dependencies > 0) line.Param("dependencies", data.dependencies);
}

}  // namespace

void oif_ConnectorPlasticity::Write(utl_Stream& stream) const {
  const kbeC_ConnectorPlasticity& option = *option_;
  oif_KeywordLine line(stream, "*Connector Plasticity");
  if (option.component > 0) line.Param("component", option.component);
  line.End();
  oif_PrintConnectorTable(stream, option.data);

  if (option.isotropic) {
    static const char* const kDefinitions[] = {"Tabular", "Exponential Law"};
    oif_KeywordLine hardening(stream, "*Connector Hardening");
    hardening.Param("definition", Word(kDefinitions, option.isotropicDefinition));
    AddDependencies(hardening, option.isotropicTable);
    hardening.End();
    oif_PrintConnectorTable(stream, option.isotropicTable);
  }
  if (option.kinematic) {
    static const char* const kDefinitions[] = {"Half Cycle", "Parameters", "Stabilized"};
    oif_KeywordLine hardening(stream, "*Connector Hardening");
    hardening.Param("type", "Kinematic").Param("definition", Word(kDefinitions, option.kinematicDefinition));
    AddDependencies(hardening, option.kinematicTable);
    hardening.End();
    oif_PrintConnectorTable(stream, option.kinematicTable);
  }
  oif_WriteConnectorPotential(stream, option.potential);
}

void oif_ConnectorDamage::Write(utl_Stream& stream) const {
  const kbeC_ConnectorDamage& option = *option_;
  oif_KeywordLine initiation(stream, "*Connector Damage Initiation");
  if (option.component > 0) initiation.Param("component", option.component);
  if (option.criterion == kbeC_ConnectorDamage::Motion) initiation.Param("criterion", "Motion");
  if (option.criterion == kbeC_ConnectorDamage::PlasticMotion) initiation.Param("criterion", "Plastic Motion");
  AddDependencies(initiation, option.data);
  initiation.End();
  oif_PrintConnectorTable(stream, option.data);
  oif_WriteConnectorPotential(stream, option.potential);
  if (!option.evolution) return;

  static const char* const kTypes[] = {"Motion", "Energy"};
  static const char* const kSoftening[] = {nullptr, "Exponential", "Tabular"};
  oif_KeywordLine evolution(stream, "*Connector Damage Evolution");
  evolution.Param("type", Word(kTypes, option.evolutionType));
  if (const char* softening = Word(kSoftening, option.softening)) evolution.Param("softening", softening);
  if (!option.affectedComponents.empty()) evolution.Flag("affected components");
  if (option.degradation == kbeC_ConnectorDamage::Multiplicative) evolution.Param("degradation", "Multiplicative");
  AddDependencies(evolution, option.evolutionTable);
  evolution.End();
  if (!option.affectedComponents.empty()) oif_WriteComponentLine(stream, option.affectedComponents);
  oif_PrintConnectorTable(stream, option.evolutionTable);
}
