#pragma once
// "*Connector Section": the element set of a connector section assignment,
// its connection line, the orientation line and the extra line of the
// connection types that need one.
#include <memory>
#include <string>

#include "modeldb/kseC_ConnectorSection.h"
#include "modeldb/ptoC_ConnectorOrientation.h"
#include "zkw/zkw_Keyword.h"
#include "zkw/zkw_ModelInfo.h"

/// The connection line's text: the section's connection type text with the
/// solver's spellings ("CVJoint", "Slipring", "Projection Cartesian", ...)
/// and a "," after a single type, or ", " between the two types of a pair.
std::string oif_ConnectionLine(const kseC_ConnectorSection& section);

/// The printable element set name by which keywords cite the wires of a
/// region (the region of a connector section assignment): "*Connector
/// Section" and the data lines of connector motions and loads.
cow_String oif_WireSetName(const rgnC_Region& region, zkw_ModelInfo& info);

class oif_NewConnectorSection : public zkw_Keyword {
 public:
  /// `elset` arrives printable. `orientationIndex` is the position of
  /// `orientation` among the assembly's connector orientations (its
  /// orientation names end in "ConnOri-" + index); -1 for none.
  oif_NewConnectorSection(const cow_String& behaviorName, const cow_String& elset,
                          std::shared_ptr<const kseC_ConnectorSection> section,
                          const ptoC_ConnectorOrientation& orientation, int orientationIndex, zkw_ModelInfo& info);

  zkw_Keyword* Clone() const override { return new oif_NewConnectorSection(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  /// The orientation line; false when there is none.
  bool WriteOrientation(utl_Stream& stream) const;
  cow_String OrientationName(int datum, double angle, int which) const;

  cow_String behaviorName_;
  cow_String elset_;
  std::shared_ptr<const kseC_ConnectorSection> section_;
  ptoC_ConnectorOrientation orientation_;
  int orientationIndex_;
  zkw_ModelInfo* info_;
};
