#include "modelfile/mfl_TableColumns.h"

#include <string>
#include <string_view>

#include "modelfile/mfl_Json.h"

namespace mfl {
namespace {

/// One row per behaviour form: the behaviour, the value of its `type` (or
/// `hardening`) enumeration, the values its keyword reads per row and what they are.
struct ValuesRule {
  kmaC_OptionKind kind;
  kmaC_Attr attr;
  const char* form;  // the enumeration's text
  int values;
  const char* what;
};

constexpr ValuesRule kRules[] = {
    {kmaC_OptionKind::Elastic, kmaC_Attr::Type, "ISOTROPIC", 2,
     "ISOTROPIC elasticity: Young's modulus and Poisson's ratio"},
    {kmaC_OptionKind::Elastic, kmaC_Attr::Type, "ORTHOTROPIC", 9, "ORTHOTROPIC elasticity: D1111 to D2323"},
    {kmaC_OptionKind::Elastic, kmaC_Attr::Type, "ANISOTROPIC", 21, "ANISOTROPIC elasticity: D1111 to D2323"},
    {kmaC_OptionKind::Elastic, kmaC_Attr::Type, "ENGINEERING CONSTANTS", 9,
     "ENGINEERING CONSTANTS: E1, E2, E3, nu12, nu13, nu23, G12, G13, G23"},
    {kmaC_OptionKind::Elastic, kmaC_Attr::Type, "LAMINA", 6, "LAMINA elasticity: E1, E2, nu12, G12, G13, G23"},
    {kmaC_OptionKind::Elastic, kmaC_Attr::Type, "TRACTION", 3, "TRACTION elasticity: Enn, Ess, Ett"},
    {kmaC_OptionKind::Elastic, kmaC_Attr::Type, "COUPLED TRACTION", 6,
     "COUPLED TRACTION elasticity: Enn, Ess, Ett, Ens, Ent, Est"},
    {kmaC_OptionKind::Conductivity, kmaC_Attr::Type, "ORTHO", 3, "ORTHO conductivity: k11, k22, k33"},
    {kmaC_OptionKind::Conductivity, kmaC_Attr::Type, "ANISO", 6, "ANISO conductivity: k11, k12, k22, k13, k23, k33"},
    {kmaC_OptionKind::Expansion, kmaC_Attr::Type, "ORTHO", 3, "ORTHO expansion: alpha11, alpha22, alpha33"},
    {kmaC_OptionKind::Expansion, kmaC_Attr::Type, "ANISO", 6,
     "ANISO expansion: alpha11, alpha22, alpha33, alpha12, alpha13, alpha23"},
    {kmaC_OptionKind::Plastic, kmaC_Attr::Hardening, "JOHNSON COOK", 6,
     "JOHNSON COOK hardening: A, B, n, m, melting and transition temperature"},
};

bool HasForm(const kmaC_MaterialOption& option, const ValuesRule& rule) {
  if (rule.kind != option.Kind()) return false;
  const kmaC_OptionInfo& info = option.Info();
  const int index = info.AttrIndex(rule.attr);
  if (index < 0) return false;
  const omu_PrimEnumBase* enumeration = info.Attrs()[std::size_t(index)].enumeration;
  return enumeration && std::string_view(rule.form) == enumeration->GetString(option.Int(rule.attr));
}

}  // namespace

void CheckTableValues(const kmaC_MaterialOption& option, int valuesPerRow, const Ref& table) {
  for (const ValuesRule& rule : kRules) {
    if (!HasForm(option, rule) || valuesPerRow >= rule.values) continue;
    table.Fail("model.table", "each row of " + std::string(rule.what) + " holds " + std::to_string(rule.values) +
                                  " values; this table has " + std::to_string(valuesPerRow) +
                                  " besides the temperature and field variables");
  }
}

}  // namespace mfl
