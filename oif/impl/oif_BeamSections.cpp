#include "oif/impl/oif_BeamSections.h"

#include "exceptions/nex_Exception.h"
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

template <class T>
bool Is(const kbpC_BeamProfile* profile) {
  return dynamic_cast<const T*>(profile) != nullptr;
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
  oif_KeywordLine(stream, KeywordText()).ParamNoBreak("elset", elset_).Literal(", ").Break();
  MaterialOrPropertyLines(stream, *beam, Phase::KeywordLine);
  if (mdl_IsSet(beam->poisson) && beam->poisson != 0.0) stream << "poisson = " << beam->poisson << ", ";
  TemperatureOrZero(stream, *beam);
  DensityParameter(stream, *beam);
  Profile(stream);
  (oif_DataLine(stream, ",") << direction_.x() << direction_.y() << direction_.z()).End();
  MaterialOrPropertyLines(stream, *beam, Phase::DataLines);

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

void oif_BeamSectionCommon::Profile(utl_Stream& stream) const {
  const kbpC_BeamProfile* p = profile_.get();
  // Profiles whose data line is their dimensions in stored order.
  struct Plain {
    bool (*is)(const kbpC_BeamProfile*);
    const char* text;
  };
  static constexpr Plain kPlain[] = {
      {Is<kbpC_RectangularProfile>, "section=RECT"}, {Is<kbpC_CircularProfile>, "section=CIRC"},
      {Is<kbpC_PipeProfile>, "section=PIPE"},        {Is<kbpC_HexagonalProfile>, "section=HEX"},
      {Is<kbpC_IbeamProfile>, "section=I"},          {Is<kbpC_LbeamProfile>, "section=L"},
      {Is<kbpC_TrapezoidalProfile>, "section=TRAPEZOID"}};
  for (const Plain& plain : kPlain)
    if (plain.is(p)) {
      SectionLine(stream, plain.text);
      ValueLine(stream, p->dimensions);
      return;
    }
  if (const auto* box = dynamic_cast<const kbpC_BoxProfile*>(p)) {
    SectionLine(stream, "section=BOX");
    const auto& t = box->thickness;
    if (box->uniformThickness)
      ValueLine(stream, {box->dimensions.at(0), box->dimensions.at(1), t[0], t[0], t[0], t[0]});
    else
      ValueLine(stream, {box->dimensions.at(0), box->dimensions.at(1), t[0], t[1], t[2], t[3]});
  } else if (Is<kbpC_TbeamProfile>(p)) {
    // A T is an I without its bottom flange.
    const auto& d = p->dimensions;
    SectionLine(stream, "section=I");
    ValueLine(stream, {d.at(2), d.at(1), 0.0, d.at(0), 0.0, d.at(3), d.at(4)});
  } else if (const auto* arbitrary = dynamic_cast<const kbpC_ArbitraryProfile*>(p)) {
    SectionLine(stream, "section=ARBITRARY");
    const auto& points = arbitrary->points;
    NEX_ASSERT(points.size() >= 2);
    (oif_DataLine(stream) << int(points.size() - 1) << points[0].x << points[0].y << points[1].x << points[1].y
                          << points[1].thickness)
        .End();
    for (std::size_t i = 2; i < points.size(); ++i)
      ValueLine(stream, {points[i].x, points[i].y, points[i].thickness});
  } else if (const auto* generalized = dynamic_cast<const kbpC_GeneralizedProfile*>(p)) {
    GeneralizedProfile(stream, *generalized);
  } else {
    SectionLine(stream, "**ERROR -- Illegal Beam Profile Definition");
  }
}

// ---- *Beam Section ----------------------------------------------------------

void oif_BeamSection::GeneralizedProfile(utl_Stream& stream, const kbpC_GeneralizedProfile&) const {
  SectionLine(stream, "**ERROR -- Generalized Profile cannot be used with this section.");
}

void oif_BeamSection::TemperatureOrZero(utl_Stream& stream, const kseC_BeamSection& section) const {
  if (section.temperatureMode == kseC_BeamSection::Gradients)
    stream << "temperature=GRADIENTS, ";
  else if (section.temperatureMode == kseC_BeamSection::Values)
    stream << "temperature=VALUES, ";
}

void oif_BeamSection::MaterialOrPropertyLines(utl_Stream& stream, const kseC_BeamSection& section,
                                              Phase phase) const {
  if (phase == Phase::KeywordLine) stream << "material=" << zkw_VelornName(section.material) << ", ";
}

// ---- *Beam General Section --------------------------------------------------

void oif_BeamGeneralSection::GeneralizedProfile(utl_Stream& stream, const kbpC_GeneralizedProfile& profile) const {
  SectionLine(stream, "section=GENERAL");
  ValueLine(stream, profile.dimensions);
  if (profile.warping[0] != 0.0 || profile.warping[1] != 0.0)
    ValueLine(stream, {profile.warping[0], profile.warping[1]});
}

void oif_BeamGeneralSection::DensityParameter(utl_Stream& stream, const kseC_BeamSection& section) const {
  if (mdl_IsSet(section.density) && section.density != 0.0) stream << "density=" << section.density << ", ";
}

void oif_BeamGeneralSection::TemperatureOrZero(utl_Stream& stream, const kseC_BeamSection& section) const {
  if (mdl_IsSet(section.zero) && section.zero != 0.0) stream << "zero=" << section.zero << ", ";
}

void oif_BeamGeneralSection::MaterialOrPropertyLines(utl_Stream& stream, const kseC_BeamSection& section,
                                                     Phase phase) const {
  if (phase == Phase::KeywordLine) {
    if (section.dependencies > 0) stream << ", dependencies=" << section.dependencies << ", ";
    return;
  }
  oif_DataTable table(section.properties);
  if (!section.expansionColumn) table.InsertEmptyColumn(2);
  if (!section.temperatureColumn) table.InsertEmptyColumn(3);
  table.Print(stream);
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
