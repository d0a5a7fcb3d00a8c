#pragma once
// Connector sections: the connection type of the wires, the extra geometric
// values some connection types need, and the behaviour of the wires.
#include <array>
#include <memory>
#include <span>
#include <string>

#include "modeldb/kbeC_ConnectorBehavior.h"
#include "modeldb/kseC_Section.h"

/// One connection type of a family: its number, its text in the model
/// database and its name in the model file.
struct kseC_ConnectionTypeInfo {
  int number = 0;
  const char* text = nullptr;      ///< "CV Joint"
  const char* fileName = nullptr;  ///< "cvJoint"
};

/// The three families of connection type numbers. Number 0 of each family
/// is "none": a section with first type number 0 is a basic connection
/// made of a translational (third number) and a rotational (second number)
/// type; any other first number is an assembled type.
enum class kseC_ConnectionFamily : int { Assembled, Rotational, Translational, Count };

/// The types of a family in number order, from 1 (0 is none).
MDB_API std::span<const kseC_ConnectionTypeInfo> kseC_ConnectionTypes(kseC_ConnectionFamily family);

class MDB_API kseC_ConnectorSection : public kseC_Section {
 public:
  using kseC_Section::kseC_Section;
  ~kseC_ConnectorSection() override;

  /// The first, second and third type number: assembled, rotational, translational.
  std::array<int, 3> typeNumbers{0, 0, 0};
  /// Extra values: the two of a slip ring (unset when not given) and the
  /// flow-converter factor (1.0 by default).
  std::array<double, 3> extra{mdl_UnsetDouble, mdl_UnsetDouble, 1.0};
  /// The behaviour's name and the behaviour; no behaviour: an empty section.
  std::string behaviorName;
  std::shared_ptr<const kbeC_ConnectorBehavior> behavior;

  int FirstType() const noexcept { return typeNumbers[0]; }
  int SecondType() const noexcept { return typeNumbers[1]; }
  int ThirdType() const noexcept { return typeNumbers[2]; }
  /// "Hinge" for an assembled type; "Cartesian + Cardan" for a basic pair,
  /// or the one basic type given.
  std::string GetConnectionTypeAsString() const;
};

struct MDB_API kseC_Utils {
  /// True when the section has no behaviour at all.
  static bool IsConnectorSectionEmpty(const kseC_ConnectorSection& section);
};
