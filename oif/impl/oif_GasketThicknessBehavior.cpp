#include "oif/impl/oif_GasketThicknessBehavior.h"

void oif_GasketThicknessBehavior::Write(utl_Stream& stream) const {
  using A = kmaC_Attr;
  using G = kmaC_ThicknessBehavior;
  const bool damage = option_.Flag(A::Damage);
  const int variable = option_.Int(A::Variable);
  {
    oif_KeywordLine line(stream, "*Gasket Thickness Behavior");
    oif_AddDependencies(line, option_.Dependencies());
    line.ParamUnlessDefault("tensile stiffness factor", option_.Real(A::TensileStiffnessFactor), 0.001);
    if (damage) line.Param("type", "DAMAGE");
    if (variable != G::STRESS) line.Param("variable", G::VariableUnits.GetString(variable));
    // One stored value: the yield onset, or else the slope drop.
    if (option_.Int(A::OnsetForm) == G::YIELD_ONSET)
      line.Param("yield onset", option_.Real(A::Onset));
    else
      line.ParamUnlessDefault("slope drop", option_.Real(A::Onset), 0.1);
    line.End();
  }
  oif_PrintTable(stream, option_.Table());
  const kmaC_TableData* unloading = option_.TableAttr(A::Unloading);
  if (unloading != nullptr && unloading->table.Rows() > 0) {
    oif_KeywordLine line(stream, "*Gasket Thickness Behavior, direction=UNLOADING");
    oif_AddDependencies(line, unloading->dependencies);
    if (damage) line.Param("type", "DAMAGE");
    if (variable != G::STRESS) line.Param("variable", G::VariableUnits.GetString(variable));
    line.End();
    oif_PrintTable(stream, unloading->table);
  }
  if (variable == G::FORCE) oif_WriteSubOptions(stream, option_, {kmaC_OptionKind::GasketContactArea});
}
