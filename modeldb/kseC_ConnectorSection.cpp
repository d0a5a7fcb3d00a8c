#include "modeldb/kseC_ConnectorSection.h"

#include "exceptions/nex_Exception.h"

namespace {

using Info = kseC_ConnectionTypeInfo;

constexpr Info kAssembled[] = {
    {1, "Beam", "beam"},           {2, "Bushing", "bushing"},       {3, "CV Joint", "cvJoint"},
    {4, "Cylindrical", "cylindrical"}, {5, "Hinge", "hinge"},       {6, "Planar", "planar"},
    {7, "Retractor", "retractor"}, {8, "Slip Ring", "slipRing"},    {9, "Translator", "translator"},
    {10, "U Joint", "uJoint"},     {11, "Weld", "weld"},
};
constexpr Info kRotational[] = {
    {1, "Align", "align"},
    {2, "Cardan", "cardan"},
    {3, "Constant Velocity", "constantVelocity"},
    {4, "Euler", "euler"},
    {5, "Flexion-Torsion", "flexionTorsion"},
    {6, "Flow-Converter", "flowConverter"},
    {7, "Proj Flex-Tors", "projectionFlexionTorsion"},
    {8, "Revolute", "revolute"},
    {9, "Rotation", "rotation"},
    {10, "Rotation-Accelerometer", "rotationAccelerometer"},
    {11, "Universal", "universal"},
};
constexpr Info kTranslational[] = {
    {1, "Accelerometer", "accelerometer"}, {2, "Axial", "axial"},   {3, "Cartesian", "cartesian"},
    {4, "Join", "join"},                   {5, "Link", "link"},     {6, "Proj Cartesian", "projectionCartesian"},
    {7, "Radial-Thrust", "radialThrust"},  {8, "Slide-Plane", "slidePlane"}, {9, "Slot", "slot"},
};

template <std::size_t N>
constexpr bool Numbered(const Info (&types)[N]) {
  for (std::size_t i = 0; i < N; ++i)
    if (types[i].number != int(i) + 1) return false;
  return true;
}
static_assert(Numbered(kAssembled) && Numbered(kRotational) && Numbered(kTranslational),
              "connection types are listed in number order from 1");
// The deck's connection line depends on these numbers.
static_assert(kAssembled[2].number == 3 && kAssembled[6].number == 7 && kAssembled[7].number == 8 &&
              kAssembled[9].number == 10 && kRotational[5].number == 6 && kRotational[6].number == 7 &&
              kTranslational[5].number == 6);

const char* TextOf(kseC_ConnectionFamily family, int number) {
  const auto types = kseC_ConnectionTypes(family);
  NEX_ASSERT(number >= 1 && std::size_t(number) <= types.size());
  return types[std::size_t(number - 1)].text;
}

}  // namespace

std::span<const kseC_ConnectionTypeInfo> kseC_ConnectionTypes(kseC_ConnectionFamily family) {
  switch (family) {
    case kseC_ConnectionFamily::Assembled:
      return kAssembled;
    case kseC_ConnectionFamily::Rotational:
      return kRotational;
    case kseC_ConnectionFamily::Translational:
      return kTranslational;
    case kseC_ConnectionFamily::Count:
      break;
  }
  NEX_ASSERT(false);
  return {};
}

kseC_ConnectorSection::~kseC_ConnectorSection() = default;

std::string kseC_ConnectorSection::GetConnectionTypeAsString() const {
  if (FirstType() != 0) return TextOf(kseC_ConnectionFamily::Assembled, FirstType());
  std::string text;
  if (ThirdType() != 0) text = TextOf(kseC_ConnectionFamily::Translational, ThirdType());
  if (SecondType() != 0) {
    if (!text.empty()) text += " + ";
    text += TextOf(kseC_ConnectionFamily::Rotational, SecondType());
  }
  return text;
}

bool kseC_Utils::IsConnectorSectionEmpty(const kseC_ConnectorSection& section) {
  return section.behavior == nullptr;
}
