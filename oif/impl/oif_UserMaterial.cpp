#include "oif/impl/oif_UserMaterial.h"

namespace {
void Constants(utl_Stream& stream, const std::vector<double>& constants) {
  if (constants.empty()) return;
  oif_PrintTable(stream, kmaC_MaterialTable(1, int(constants.size()), constants));
}
}  // namespace

void oif_UserMaterial::Write(utl_Stream& stream) const {
  using A = kmaC_Attr;
  const int type = option_.Int(A::Type);
  const bool unsymmetric = option_.Flag(A::Unsymmetric);
  if (type != kmaC_UserMaterial::THERMAL) {
    const std::vector<double>& constants = option_.Reals(A::MechanicalConstants);
    oif_KeywordLine line(stream, "*User Material");
    line.Param("constants", int(constants.size()));
    if (type != kmaC_UserMaterial::MECHANICAL) line.Param("type", "MECHANICAL");
    if (unsymmetric) line.Flag("unsymm");
    line.End();
    Constants(stream, constants);
  }
  if (type != kmaC_UserMaterial::MECHANICAL) {
    const std::vector<double>& constants = option_.Reals(A::ThermalConstants);
    oif_KeywordLine line(stream, "*User Material");
    line.Param("constants", int(constants.size()));
    line.Param("type", "THERMAL");
    if (unsymmetric) line.Flag("unsymm");
    line.End();
    Constants(stream, constants);
  }
}
