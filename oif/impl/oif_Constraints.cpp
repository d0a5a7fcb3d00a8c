#include "oif/impl/oif_Constraints.h"

#include "exceptions/nex_Exception.h"
#include "oif/impl/oif_KeywordLine.h"
#include "oif/impl/oif_SetName.h"

namespace {

cow_String NameOf(const kcoC_Constraint& constraint, int slot, zkw_ModelInfo& info) {
  return oif_SetName(constraint.Region(slot).region, info).Name(2);
}

cow_String SurfaceNameOf(const kcoC_Constraint& constraint, int slot, zkw_ModelInfo& info) {
  return oif_SetName(constraint.Region(slot).region, info).SurfaceName(2);
}

/// One line "d, d" per constrained degree of freedom, none when all six are.
void DofLines(utl_Stream& stream, const kcoC_Coupling& coupling) {
  if (coupling.AllDofs()) return;
  for (int dof = 1; dof <= 6; ++dof)
    if (coupling.dofs[std::size_t(dof - 1)]) (oif_DataLine(stream) << dof << dof).End();
}

}  // namespace

oif_Coupling::oif_Coupling(const cow_String& name, std::shared_ptr<const kcoC_Coupling> coupling, zkw_ModelInfo& info)
    : name_(name),
      coupling_(std::move(coupling)),
      refNode_(NameOf(*coupling_, kcoC_Coupling::RefNode, info)),
      surface_(SurfaceNameOf(*coupling_, kcoC_Coupling::Surface, info)),
      orientation_(coupling_->datum != 0 ? info.DatumCsysName(coupling_->datum, 0.0, cow_String()) : cow_String()) {}

void oif_Coupling::Write(utl_Stream& stream) const {
  oif_KeywordLine line(stream, "*Coupling");
  line.Name("constraint name", name_).Param("ref node", refNode_).Param("surface", surface_);
  line.Param("influence radius", coupling_->influenceRadius);  // the largest double: no radius
  if (!orientation_.empty()) line.Param("orientation", orientation_);
  line.End();
}

void oif_Kinematic::Write(utl_Stream& stream) const {
  oif_KeywordLine(stream, "*Kinematic").End();
  DofLines(stream, *coupling_);
}

void oif_Distributing::Write(utl_Stream& stream) const {
  static const char* const kWeighting[] = {"UNIFORM", "LINEAR", "QUADRATIC", "CUBIC"};
  const int method = coupling_->weightingMethod;
  if (method < 0 || method >= int(std::size(kWeighting)))
    NEX_THROW_TEXT("Unimplemented weighting method " + std::to_string(method) + " of coupling \"" +
                   coupling_->name() + "\"");
  oif_KeywordLine(stream, "*Distributing").Param("weighting method", kWeighting[method]).End();
  DofLines(stream, *coupling_);
}

void oif_RigidBody::Write(utl_Stream& stream) const {
  oif_KeywordLine line(stream, "*Rigid Body");
  line.Param("ref node", names_.refNode);
  if (!names_.elset.empty()) line.Param("elset", names_.elset);
  if (!names_.pinNset.empty()) line.Param("pin nset", names_.pinNset);
  if (!names_.tieNset.empty()) line.Param("tie nset", names_.tieNset);
  if (!names_.analyticalSurface.empty()) line.Param("analytical surface", names_.analyticalSurface);
  if (names_.centerOfMass) line.Param("position", "CENTER OF MASS");
  if (names_.isothermal) line.Param("isothermal", "YES");
  line.End();
}

oif_Equation::oif_Equation(std::shared_ptr<const kcoC_Equation> equation, zkw_ModelInfo& info)
    : equation_(std::move(equation)) {
  for (const kcoC_EquationTerm& term : equation_->terms) names_.push_back(oif_SetName(term.region, info).Name(2));
}

void oif_Equation::Write(utl_Stream& stream) const {
  oif_KeywordLine(stream, "*Equation").End();
  (oif_DataLine(stream) << int(equation_->terms.size())).End();
  for (std::size_t i = 0; i < names_.size(); ++i) {
    const kcoC_EquationTerm& term = equation_->terms[i];
    (oif_DataLine(stream) << names_[i] << term.dof << term.coefficient).End();
  }
}

oif_EmbeddedRegion::oif_EmbeddedRegion(std::shared_ptr<const kcoC_EmbeddedRegion> constraint, zkw_ModelInfo& info)
    : constraint_(std::move(constraint)),
      host_(NameOf(*constraint_, kcoC_EmbeddedRegion::Host, info)),
      embedded_(NameOf(*constraint_, kcoC_EmbeddedRegion::Embedded, info)) {}

void oif_EmbeddedRegion::Write(utl_Stream& stream) const {
  using E = kcoC_EmbeddedRegion;
  const E& embedded = *constraint_;
  oif_KeywordLine(stream, "*Embedded Element")
      .Param("host elset", host_)
      .ParamUnlessDefault("absolute exterior tolerance", embedded.absoluteExteriorTolerance,
                          E::DefaultAbsoluteExteriorTolerance)
      .ParamUnlessDefault("exterior tolerance", embedded.exteriorTolerance, E::DefaultExteriorTolerance)
      .ParamUnlessDefault("roundoff tolerance", embedded.roundoffTolerance, E::DefaultRoundoffTolerance)
      .End();
  (oif_DataLine(stream) << embedded_).End();
}

oif_ShellSolidCoupling::oif_ShellSolidCoupling(const cow_String& name,
                                               std::shared_ptr<const kcoC_ShellSolidCoupling> constraint,
                                               zkw_ModelInfo& info)
    : name_(name),
      constraint_(std::move(constraint)),
      shellEdge_(SurfaceNameOf(*constraint_, kcoC_ShellSolidCoupling::ShellEdge, info)),
      solidFace_(SurfaceNameOf(*constraint_, kcoC_ShellSolidCoupling::SolidFace, info)) {}

void oif_ShellSolidCoupling::Write(utl_Stream& stream) const {
  const kcoC_ShellSolidCoupling& coupling = *constraint_;
  oif_KeywordLine line(stream, "*Shell to Solid Coupling");
  line.Name("constraint name", name_);
  if (coupling.positionToleranceMethod == kcoC_Tie::Specified)
    line.Param("position tolerance", coupling.positionTolerance);
  if (coupling.influenceDistanceMethod == kcoC_Tie::Specified)
    line.Param("influence distance", coupling.influenceDistance);
  line.End();
  (oif_DataLine(stream) << shellEdge_ << solidFace_).End();
}

void oif_CyclicSymmetryModel::Write(utl_Stream& stream) const {
  oif_KeywordLine(stream, "*Cyclic Symmetry Model").Param("n", sectors_).End();
  (oif_DataLine(stream) << start_.x() << start_.y() << start_.z() << end_.x() << end_.y() << end_.z()).End();
}
