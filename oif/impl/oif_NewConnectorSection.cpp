#include "oif/impl/oif_NewConnectorSection.h"

#include "oif/impl/oif_KeywordLine.h"
#include "oif/impl/oif_SetName.h"

namespace {

/// Replaces the first `count` occurrences of `from` by `to`.
void Replace(std::string& text, const std::string& from, const std::string& to, int count = 1) {
  std::size_t at = 0;
  for (int n = 0; n < count; ++n) {
    at = text.find(from, at);
    if (at == std::string::npos) return;
    text.replace(at, from.size(), to);
    at += to.size();
  }
}

}  // namespace

std::string oif_ConnectionLine(const kseC_ConnectorSection& section) {
  std::string text = section.GetConnectionTypeAsString();
  if (section.FirstType() == 10 || section.FirstType() == 3) Replace(text, " J", "J");
  if (section.FirstType() == 8) Replace(text, " R", "r");
  if (section.ThirdType() == 6) Replace(text, "Proj", "Projection");
  if (section.SecondType() == 7) Replace(text, "Proj Flex-Tors", "Projection Flexion-Torsion", 2);
  if (text.find(" + ") != std::string::npos)
    Replace(text, " + ", ", ");
  else
    text += ",";
  return text;
}

cow_String oif_WireSetName(const rgnC_Region& region, zkw_ModelInfo& info) {
  return oif_SetName(region, info).Name(2);
}

oif_NewConnectorSection::oif_NewConnectorSection(const cow_String& behaviorName, const cow_String& elset,
                                                 std::shared_ptr<const kseC_ConnectorSection> section,
                                                 const ptoC_ConnectorOrientation& orientation, int orientationIndex,
                                                 zkw_ModelInfo& info)
    : behaviorName_(behaviorName),
      elset_(elset),
      section_(std::move(section)),
      orientation_(orientation),
      orientationIndex_(orientationIndex),
      info_(&info) {}

cow_String oif_NewConnectorSection::OrientationName(int datum, double angle, int which) const {
  return info_->DatumCsysName(datum, angle,
                              "ConnOri-" + std::to_string(orientationIndex_) + "-" + std::to_string(which));
}

bool oif_NewConnectorSection::WriteOrientation(utl_Stream& stream) const {
  const ptoC_ConnectorOrientation& o = orientation_;
  if (o.datum1 != 0) {
    if (o.secondEqualsFirst || o.datum2 == 0) {
      oif_DataLine line(stream, ",");
      line << OrientationName(o.datum1, o.angle1, 1);
      line.Empty();
      line.End(true);
    } else {
      oif_DataLine line(stream);
      line << OrientationName(o.datum1, o.angle1, 1) << OrientationName(o.datum2, o.angle2, 2);
      line.End();
    }
    return true;
  }
  if (o.datum2 != 0) {
    oif_DataLine line(stream);
    line.Empty();
    line << OrientationName(o.datum2, o.angle2, 2);
    line.End();
    return true;
  }
  return false;
}

void oif_NewConnectorSection::Write(utl_Stream& stream) const {
  const kseC_ConnectorSection& section = *section_;
  oif_KeywordLine keyword(stream, "*Connector Section");
  keyword.Param("elset", elset_);
  if (!kseC_Utils::IsConnectorSectionEmpty(section)) keyword.Name("behavior", behaviorName_);
  keyword.End();

  oif_DataLine connection(stream);
  connection << cow_String(oif_ConnectionLine(section));
  connection.End();

  const bool oriented = WriteOrientation(stream);
  const bool slipRing = section.FirstType() == 8;
  const bool flowConverter =
      (section.FirstType() == 7 || section.SecondType() == 6) && section.extra[2] != 1.0;
  if (!slipRing && !flowConverter) return;
  if (!oriented) oif_DataLine(stream).End();
  oif_DataLine extra(stream);
  if (slipRing)
    extra << section.extra[0] << section.extra[1];
  else
    extra << section.extra[2];
  extra.End(slipRing);
}
