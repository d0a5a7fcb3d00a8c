#pragma once
// The contact keywords: contact pairs (standard and explicit forms) with
// their model changes, friction changes, clearances, interference fits and
// contact controls, and general contact with its inclusions, exclusions and
// assignments. Surfaces arrive as printable names (set names of the deck);
// property names are printed through the printable-name rule.
#include <memory>
#include <vector>

#include "modeldb/kinC_Interaction.h"
#include "oif/impl/oif_OpStatus.h"
#include "zkw/zkw_Keyword.h"

/// The surfaces a contact keyword cites: the slave (the one surface of
/// self-contact) and the master (empty for self-contact).
struct oif_ContactSurfaces {
  cow_String slave, master;
  bool IsSelf() const noexcept { return master.empty(); }
};

/// "*Contact Pair" and its data line.
class oif_ContactPair : public zkw_Keyword {
 public:
  /// A standard pair; `adjustSet` is the node set of a set adjustment.
  oif_ContactPair(std::shared_ptr<const kinC_StdContact> pair, const kinC_ContactPairState& state,
                  const oif_ContactSurfaces& surfaces, const cow_String& adjustSet);
  /// An explicit pair in one step; `removed` gives the ", op=DELETE" form.
  oif_ContactPair(std::shared_ptr<const kinC_XplContact> pair, const kinC_ContactPairState& state,
                  const oif_ContactSurfaces& surfaces, const cow_String& cpset, bool removed);
  zkw_Keyword* Clone() const override { return new oif_ContactPair(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  void WriteStandard(utl_Stream& stream) const;
  void WriteExplicit(utl_Stream& stream) const;

  std::shared_ptr<const kinC_StdContact> standard_;
  std::shared_ptr<const kinC_XplContact> explicit_;
  kinC_ContactPairState state_;
  oif_ContactSurfaces surfaces_;
  cow_String adjustSet_, cpset_;
  bool removed_ = false;
};

/// "*Model Change, type=CONTACT PAIR" with ", add" or ", remove", and the
/// pair's surfaces.
class oif_ModelChange : public zkw_Keyword {
 public:
  /// `remove`: the pair is removed; otherwise it is added unless its status
  /// in the step is 4 (deactivated).
  oif_ModelChange(std::shared_ptr<const kinC_Interaction> interaction, const oif_ContactSurfaces& surfaces,
                  bool remove, int status)
      : interaction_(std::move(interaction)), surfaces_(surfaces), remove_(remove), status_(status) {}
  zkw_Keyword* Clone() const override { return new oif_ModelChange(*this); }
  /// Throws nex_TextException "No *Model Change for this interaction." for
  /// an interaction other than a standard contact pair.
  void Write(utl_Stream& stream) const override;

 private:
  std::shared_ptr<const kinC_Interaction> interaction_;
  oif_ContactSurfaces surfaces_;
  bool remove_;
  int status_;
};

/// "*Change Friction, interaction=".
class oif_ChangeFriction : public zkw_Keyword {
 public:
  explicit oif_ChangeFriction(const cow_String& property) : property_(property) {}
  zkw_Keyword* Clone() const override { return new oif_ChangeFriction(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  cow_String property_;
};

/// "*Clearance, master=, slave=, value=": the initial clearance of a pair.
class oif_Clearance : public zkw_Keyword {
 public:
  oif_Clearance(const oif_ContactSurfaces& surfaces, const cow_String& cpset, double value)
      : surfaces_(surfaces), cpset_(cpset), value_(value) {}
  zkw_Keyword* Clone() const override { return new oif_Clearance(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  oif_ContactSurfaces surfaces_;
  cow_String cpset_;
  double value_;
};

/// "*Contact Interference": the pair's surfaces and the interference (none
/// with ", shrink").
class oif_ContactInterference : public zkw_Keyword {
 public:
  oif_ContactInterference(const oif_ContactSurfaces& surfaces, const kinC_ContactPairState& state)
      : surfaces_(surfaces), state_(state) {}
  zkw_Keyword* Clone() const override { return new oif_ContactInterference(*this); }
  void Write(utl_Stream& stream) const override;
  /// Empty when the state gives no interference fit in its step.
  bool IsEmpty() const override;

 private:
  oif_ContactSurfaces surfaces_;
  kinC_ContactPairState state_;
};

/// "*Contact Controls": for a standard pair (", master=", ", slave=") or for
/// an explicit pair (", cpset="), with the controls' values or ", reset".
class oif_ContactControls : public zkw_Keyword {
 public:
  /// Standard controls; null `controls` gives the ", reset" form.
  oif_ContactControls(const oif_ContactSurfaces& surfaces, std::shared_ptr<const kinC_StdContactControls> controls)
      : surfaces_(surfaces), standard_(std::move(controls)) {}
  /// Explicit controls; null `controls` gives the ", reset" form.
  oif_ContactControls(const cow_String& cpset, std::shared_ptr<const kinC_XplContactControls> controls)
      : cpset_(cpset), explicit_(std::move(controls)), isExplicit_(true) {}
  zkw_Keyword* Clone() const override { return new oif_ContactControls(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  oif_ContactSurfaces surfaces_;
  cow_String cpset_;
  std::shared_ptr<const kinC_StdContactControls> standard_;
  std::shared_ptr<const kinC_XplContactControls> explicit_;
  bool isExplicit_ = false;
};

/// Two surface names of general contact; an empty name leaves its field empty.
using oif_SurfaceNamePair = std::pair<cow_String, cow_String>;

/// "*Contact" (", op=NEW" when its group is restated), then from the state
/// "*Contact Inclusions" and "*Contact Exclusions".
class oif_Contact : public zkw_Keyword {
 public:
  /// The keyword line alone (a removal of general contact).
  explicit oif_Contact(bool opNew) : opNew_(opNew) {}
  oif_Contact(bool opNew, bool allExterior, std::vector<oif_SurfaceNamePair> inclusions,
              std::vector<oif_SurfaceNamePair> exclusions)
      : opNew_(opNew), allExterior_(allExterior), inclusions_(std::move(inclusions)), exclusions_(std::move(exclusions)) {}
  zkw_Keyword* Clone() const override { return new oif_Contact(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  bool opNew_;
  bool allExterior_ = false;
  std::vector<oif_SurfaceNamePair> inclusions_, exclusions_;
};

/// "*Contact property assignment": surface, surface, property per row.
class oif_ContactPropertyAssignments : public zkw_Keyword {
 public:
  struct Row {
    cow_String first, second, property;
  };
  explicit oif_ContactPropertyAssignments(std::vector<Row> rows) : rows_(std::move(rows)) {}
  zkw_Keyword* Clone() const override { return new oif_ContactPropertyAssignments(*this); }
  void Write(utl_Stream& stream) const override;
  bool IsEmpty() const override { return rows_.empty(); }

 private:
  std::vector<Row> rows_;
};

/// "*Surface property assignment, property=THICKNESS": surface and ORIG,
/// CURR or a value per row.
class oif_SurfacePropertyAssignments : public zkw_Keyword {
 public:
  struct Row {
    cow_String surface;
    int kind = kinC_ThicknessAssignment::Original;
    double value = mdl_UnsetDouble;
  };
  explicit oif_SurfacePropertyAssignments(std::vector<Row> rows) : rows_(std::move(rows)) {}
  zkw_Keyword* Clone() const override { return new oif_SurfacePropertyAssignments(*this); }
  void Write(utl_Stream& stream) const override;
  bool IsEmpty() const override { return rows_.empty(); }

 private:
  std::vector<Row> rows_;
};

/// "*Contact formulation" (", type=PURE MASTER-SLAVE") and its surface pairs.
class oif_ContactFormulationAssignments : public zkw_Keyword {
 public:
  oif_ContactFormulationAssignments(std::vector<oif_SurfaceNamePair> pairs, bool pureMasterSlave)
      : pairs_(std::move(pairs)), pureMasterSlave_(pureMasterSlave) {}
  zkw_Keyword* Clone() const override { return new oif_ContactFormulationAssignments(*this); }
  void Write(utl_Stream& stream) const override;
  bool IsEmpty() const override { return pairs_.empty(); }

 private:
  std::vector<oif_SurfaceNamePair> pairs_;
  bool pureMasterSlave_;
};
