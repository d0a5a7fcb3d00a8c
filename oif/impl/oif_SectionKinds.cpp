#include "oif/impl/oif_SectionKinds.h"

#include "modeldb/kmaC_Material.h"
#include "oif/impl/oif_BeamSections.h"
#include "oif/impl/oif_Comment.h"
#include "zkw/zkw_Model.h"

namespace {

using C = oif_SectionContext;

template <class S>
const S& As(const C& c, int line) {
  return nex_canDynamicCastRef<S>(*c.section, "oif_SectionKinds", line);
}

void Comment(const C& c) { c.add(oif_Comment("Section: " + c.sectionName)); }

void Hourglass(const C& c, const kseC_HourglassValues& values) {
  if (!c.explicitAnalysis) c.add(oif_HourglassStiffness(values));
}

void Solid(const C& c) {
  Comment(c);
  c.add(oif_SolidSection(c.names, c.section));
  Hourglass(c, As<kseC_SolidSection>(c, __LINE__).hourglass);
}

void Truss(const C& c) {
  Comment(c);
  c.add(oif_SolidSection(c.names, c.section));
}

/// Shells: `K` the section keyword (the user shell's general form stops the
/// writer), then the transverse shear and the hourglass stiffness.
template <class K>
void Shell(const C& c) {
  const auto& shell = As<kseC_ShellSection>(c, __LINE__);
  Comment(c);
  c.add(K(c.names, c.section, c.offset));
  if (shell.transverseShear) c.add(oif_TransverseShear(*shell.transverseShear));
  Hourglass(c, shell.hourglass);
}

void Membrane(const C& c) {
  Comment(c);
  c.add(oif_MembraneSection(c.names, c.section));
  Hourglass(c, As<kseC_MembraneSection>(c, __LINE__).hourglass);
}

void Beam(const C& c) {
  const auto& beam = As<kseC_BeamSection>(c, __LINE__);
  c.add(oif_Comment("Section: " + c.sectionName + "  Profile: " + beam.profile));
  const auto profile = c.model.BeamProfiles().GetShared(beam.profile);
  if (beam.integrated)
    c.add(oif_BeamSection(c.names.elset, c.section, profile, c.beamDirection));
  else
    c.add(oif_BeamGeneralSection(c.names.elset, c.section, profile, c.beamDirection));
}

void Point(const C& c) {
  As<kseC_PointSection>(c, __LINE__);
  auto point = std::static_pointer_cast<const kseC_PointSection>(c.section);
  Comment(c);
  if (const oif_Mass mass(c.names, point); !mass.IsEmpty()) c.add(mass);
  if (const oif_RotaryI rotary(c.names, point); !rotary.IsEmpty()) c.add(rotary);
}

/// A gasket section cites its material as the gasket behaviour when the
/// material has one.
void Gasket(const C& c) {
  const auto& gasket = As<kseC_GasketSection>(c, __LINE__);
  cow_String behavior;
  const auto material = c.model.Materials().GetShared(gasket.material());
  if (material && material->HasGasketBehavior()) behavior = gasket.material();
  Comment(c);
  c.add(oif_GasketSection(c.names, c.section, behavior));
  Hourglass(c, gasket.hourglass);
}

using K = kseC_SectionKind;

constexpr oif_SectionRow kRows[] = {
    {K::Solid, &Solid},
    {K::CompositeSolid, &Solid},
    {K::Truss, &Truss},
    {K::Shell, &Shell<oif_ShellSection>},
    {K::CompositeShell, &Shell<oif_ShellSection>},
    {K::GeometryShell, &Shell<oif_ShellSection>},
    {K::UserShell, &Shell<oif_ShellGeneralSection>},
    {K::Membrane, &Membrane},
    {K::Beam, &Beam},
    {K::Point, &Point},
    {K::Gasket, &Gasket},
};
static_assert(mdl_OneRowPerKindInOrder<kseC_SectionKind>(kRows));

}  // namespace

std::span<const oif_SectionRow> oif_SectionRows() { return kRows; }

const oif_SectionRow* oif_FindSectionRow(const kseC_Section& section) {
  const kseC_SectionKindInfo* info = kseC_FindSectionKind(section);
  return info == nullptr ? nullptr : &kRows[int(info->kind)];
}
