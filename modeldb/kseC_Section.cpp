#include "modeldb/kseC_Section.h"

#include "modeldb/kseC_GasketSection.h"
#include "modeldb/kseC_Sections.h"

kseC_Section::~kseC_Section() = default;
kseC_GasketSection::~kseC_GasketSection() = default;
kseC_SolidSection::~kseC_SolidSection() = default;
kseC_HomogenousSolidSection::~kseC_HomogenousSolidSection() = default;
kseC_CompositeSolidSection::~kseC_CompositeSolidSection() = default;
kseC_TrussSection::~kseC_TrussSection() = default;
kseC_ShellSection::~kseC_ShellSection() = default;
kseC_HomogenousShellSection::~kseC_HomogenousShellSection() = default;
kseC_CompositeShellSection::~kseC_CompositeShellSection() = default;
kseC_GeometryShellSection::~kseC_GeometryShellSection() = default;
kseC_UserShellSection::~kseC_UserShellSection() = default;
kseC_MembraneSection::~kseC_MembraneSection() = default;
kseC_BeamSection::~kseC_BeamSection() = default;
kseC_PointSection::~kseC_PointSection() = default;

namespace {
constexpr const char* kIntegrationRules[] = {"SIMPSON", "GAUSS"};
}  // namespace

const omu_PrimEnumBase& kseC_ShellSection::IntegrationRuleEnm() {
  static constexpr omu_PrimEnumBase table{"kseC_ShellSection::IntegrationRuleEnm", kIntegrationRules};
  return table;
}
