#include "oif/impl/oif_BeamSections.h"

#include "exceptions/nex_Exception.h"
#include "modeldb/kbpC_ProfileKind.h"
#include "oif/impl/oif_DataTable.h"
#include "oif/impl/oif_KeywordLine.h"
#include "zkw/zkw_VelornName.h"

namespace {

/// One data line of values.
void ValueLine(utl_Stream& stream, std::initializer_list<double> values) {
  oif_DataLine data(stream);
  for (double value : values) data << value;
  data.End();
}

void ValueLine(utl_Stream& stream, const std::vector<double>& values) {
  oif_DataLine data(stream);
  for (double value : values) data << value;
  data.End();
}

void SectionLine(utl_Stream& stream, const char* text) {
  stream.OptionalLineBreak();
  stream << text;
  stream.LineBreak();
}

bool AtOrigin(const std::array<double, 2>& point) { return point[0] == 0.0 && point[1] == 0.0; }

}  // namespace

oif_BeamSectionCommon::oif_BeamSectionCommon(const cow_String& elset, std::shared_ptr<const kseC_Section> section,
                                             std::shared_ptr<const kbpC_BeamProfile> profile,
                                             const gsl_Vector& direction)
    : elset_(elset), section_(std::move(section)), profile_(std::move(profile)), direction_(direction) {}

void oif_BeamSectionCommon::Write(utl_Stream& stream) const {
  const auto* beam = dynamic_cast<const kseC_BeamSection*>(section_.get());
  if (!beam) return;
  // The rest of this line is in the beam keywords' own layout.
  oif_KeywordLine line(stream, KeywordText());
  line.ParamNoBreak("elset", elset_).Separator().Break();
  MaterialOrPropertyLines(line, *beam, Phase::KeywordLine);
  if (mdl_IsSet(beam->poisson) && beam->poisson != 0.0) line.ParamThenSeparator("poisson", beam->poisson, " = ");
  TemperatureOrZero(line, *beam);
  DensityParameter(line, *beam);
  Profile(stream);
  (oif_DataLine(stream, ",") << direction_.x() << direction_.y() << direction_.z()).End();
  MaterialOrPropertyLines(line, *beam, Phase::DataLines);

  if (beam->fluidInertia) {
    using F = kseC_FluidInertia;
    const auto& v = beam->fluidInertia->values;
    oif_KeywordLine line(stream, "*Beam Fluid Inertia");
    if (beam->fluidInertia->half) line.FlagNoBreak("half");
    line.End();
    // A value at its default leaves its field empty; trailing defaults are left out.
    oif_DataLine data(stream);
    data << v[F::Density];
    v[F::CenterY] != 0.0 ? data << v[F::CenterY] : data.Empty();
    v[F::CenterZ] != 0.0 ? data << v[F::CenterZ] : data.Empty();
    data << v[F::Diameter];
    v[F::NormalCoefficient] != 1.0 ? data << v[F::NormalCoefficient] : data.Empty();
    if (v[F::AxialCoefficient] != 0.0) data << v[F::AxialCoefficient];
    data.End();
  }
  TrailingKeywords(stream, *beam);
}

namespace {

/// Data lines of the profiles.
void Dimensions(utl_Stream& stream, const kbpC_BeamProfile& profile) { ValueLine(stream, profile.dimensions); }

void Box(utl_Stream& stream, const kbpC_BeamProfile& profile) {
  const auto& box = static_cast<const kbpC_BoxProfile&>(profile);
  const auto& t = box.thickness;
  if (box.uniformThickness)
    ValueLine(stream, {box.dimensions.at(0), box.dimensions.at(1), t[0], t[0], t[0], t[0]});
  else
    ValueLine(stream, {box.dimensions.at(0), box.dimensions.at(1), t[0], t[1], t[2], t[3]});
}

/// A T is an I without its bottom flange.
void TAsI(utl_Stream& stream, const kbpC_BeamProfile& profile) {
  const auto& d = profile.dimensions;
  ValueLine(stream, {d.at(2), d.at(1), 0.0, d.at(0), 0.0, d.at(3), d.at(4)});
}

void Arbitrary(utl_Stream& stream, const kbpC_BeamProfile& profile) {
  const auto& points = static_cast<const kbpC_ArbitraryProfile&>(profile).points;
  NEX_ASSERT(points.size() >= 2);
  (oif_DataLine(stream) << int(points.size() - 1) << points[0].x << points[0].y << points[1].x << points[1].y
                        << points[1].thickness)
      .End();
  for (std::size_t i = 2; i < points.size(); ++i) ValueLine(stream, {points[i].x, points[i].y, points[i].thickness});
}

/// The writer's row of every profile kind: its "section=" text and its data
/// lines; the generalized profile is written by each beam keyword its own way.
struct ProfileRow {
  kbpC_ProfileKind kind;
  const char* section;  // nullptr: the keyword's GeneralizedProfile()
  void (*data)(utl_Stream& stream, const kbpC_BeamProfile& profile);
};

using PK = kbpC_ProfileKind;

constexpr ProfileRow kProfileRows[] = {
    {PK::Rectangular, "section=RECT", &Dimensions}, {PK::Circular, "section=CIRC", &Dimensions},
    {PK::Pipe, "section=PIPE", &Dimensions},        {PK::Hexagonal, "section=HEX", &Dimensions},
    {PK::Box, "section=BOX", &Box},                 {PK::I, "section=I", &Dimensions},
    {PK::T, "section=I", &TAsI},                    {PK::L, "section=L", &Dimensions},
    {PK::Trapezoidal, "section=TRAPEZOID", &Dimensions}, {PK::Arbitrary, "section=ARBITRARY", &Arbitrary},
    {PK::Generalized, nullptr, nullptr},
};
static_assert(mdl_OneRowPerKindInOrder<kbpC_ProfileKind>(kProfileRows));

}  // namespace

void oif_BeamSectionCommon::Profile(utl_Stream& stream) const {
  const kbpC_ProfileKindInfo* info = profile_ ? kbpC_FindProfileKind(*profile_) : nullptr;
  if (info == nullptr) return SectionLine(stream, "**ERROR -- Illegal Beam Profile Definition");
  const ProfileRow& row = kProfileRows[int(info->kind)];
  if (row.section == nullptr)
    return GeneralizedProfile(stream, static_cast<const kbpC_GeneralizedProfile&>(*profile_));
  SectionLine(stream, row.section);
  row.data(stream, *profile_);
}

// ---- *Beam Section ----------------------------------------------------------

void oif_BeamSection::GeneralizedProfile(utl_Stream& stream, const kbpC_GeneralizedProfile&) const {
  SectionLine(stream, "**ERROR -- Generalized Profile cannot be used with this section.");
}

void oif_BeamSection::TemperatureOrZero(oif_KeywordLine& line, const kseC_BeamSection& section) const {
  if (section.temperatureMode == kseC_BeamSection::Gradients)
    line.ParamThenSeparator("temperature", "GRADIENTS");
  else if (section.temperatureMode == kseC_BeamSection::Values)
    line.ParamThenSeparator("temperature", "VALUES");
}

void oif_BeamSection::MaterialOrPropertyLines(oif_KeywordLine& line, const kseC_BeamSection& section,
                                              Phase phase) const {
  if (phase == Phase::KeywordLine) line.NameThenSeparator("material", section.material);
}

// ---- *Beam General Section --------------------------------------------------

void oif_BeamGeneralSection::GeneralizedProfile(utl_Stream& stream, const kbpC_GeneralizedProfile& profile) const {
  SectionLine(stream, "section=GENERAL");
  ValueLine(stream, profile.dimensions);
  if (profile.warping[0] != 0.0 || profile.warping[1] != 0.0)
    ValueLine(stream, {profile.warping[0], profile.warping[1]});
}

void oif_BeamGeneralSection::DensityParameter(oif_KeywordLine& line, const kseC_BeamSection& section) const {
  if (mdl_IsSet(section.density) && section.density != 0.0) line.ParamThenSeparator("density", section.density);
}

void oif_BeamGeneralSection::TemperatureOrZero(oif_KeywordLine& line, const kseC_BeamSection& section) const {
  if (mdl_IsSet(section.zero) && section.zero != 0.0) line.ParamThenSeparator("zero", section.zero);
}

void oif_BeamGeneralSection::MaterialOrPropertyLines(oif_KeywordLine& line, const kseC_BeamSection& section,
                                                     Phase phase) const {
  if (phase == Phase::KeywordLine) {
    // An empty parameter before the dependencies, as the keyword has always been written.
    if (section.dependencies > 0) line.Separator().ParamThenSeparator("dependencies", section.dependencies);
    return;
  }
  oif_DataTable table(section.properties);
  if (!section.expansionColumn) table.InsertEmptyColumn(2);
  if (!section.temperatureColumn) table.InsertEmptyColumn(3);
  table.Print(line.Stream());
}

void oif_BeamGeneralSection::TrailingKeywords(utl_Stream& stream, const kseC_BeamSection& section) const {
  if (section.dampingAlpha != 0.0 || section.dampingBeta != 0.0 || section.dampingComposite != 0.0) {
    oif_KeywordLine line(stream, "*Damping");
    if (section.dampingAlpha != 0.0) line.ParamNoBreak("alpha", section.dampingAlpha);
    if (section.dampingBeta != 0.0) line.ParamNoBreak("beta", section.dampingBeta);
    if (section.dampingComposite != 0.0) line.ParamNoBreak("composite", section.dampingComposite);
    line.End();
  }
  if (section.shearCenter && !AtOrigin(*section.shearCenter)) {
    oif_KeywordLine(stream, "*Shear Center").End();
    ValueLine(stream, {(*section.shearCenter)[0], (*section.shearCenter)[1]});
  }
  if (section.centroid && !AtOrigin(*section.centroid)) {
    oif_KeywordLine(stream, "*Centroid").End();
    ValueLine(stream, {(*section.centroid)[0], (*section.centroid)[1]});
  }
  if (!section.sectionPoints.empty()) {
    oif_KeywordLine(stream, "*Section Points").End();
    // Four points a line.
    oif_DataLine data(stream);
    data.PerLine(8);
    for (const auto& point : section.sectionPoints) data << point[0] << point[1];
    data.End();
  }
}
