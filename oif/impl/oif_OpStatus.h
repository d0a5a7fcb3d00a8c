#pragma once
// Operation status: which keyword groups of the step-dependent conditions
// (boundary conditions, loads, fields, interactions) are restated with
// ", op=NEW" in which step, and the form in which each condition's keyword
// is written.
//
// The deck has no history of its own. Within a step a keyword of one group
// (all *Boundary lines, all *Cload lines, ...) either changes what earlier
// steps defined (only the changed entries are stated), or, with ", op=NEW",
// throws away everything of that group and restates what is still active.
// Each model object reports per step a propagation status
// (mdl_PropagationStatusEnm: 1 created, 2 propagated, 3 modified,
// 4 deactivated, and the special values of bolt loads, boundary conditions
// and fields) and a state whose attributes carry attribute states (1 given
// in this step, 2 carried over, 3 returned to unset).
//
// How a builder of conditions uses this module:
//
//   1. It owns one operation status of its kind (oif_BCOpStatus,
//      oif_LoadOpStatus, oif_FieldOpStatus, oif_InteractionOpStatus) and
//      fills it once at the start of its Build() (Fill: Initialize and the
//      marking passes of the kind). The flag [key][step] is set when the
//      keyword group `key` (the kind's StatusKey of the object's class) is
//      restated with ", op=NEW" in that step. The initial step is never
//      marked.
//   2. For every step and object it asks IsNew(type, step) for opNew and
//      the kind's selection (Writes...) whether the object is written.
//   3. It builds the keyword with an oif_KeywordForm (Make: the rules
//      opNew, changesOnly and removed; ApplyAmplitude: the amplitude rule;
//      Due: the attribute rule per component). The keyword prints
//      oif_KeywordLine::OpNew(form.opNew) right after its keyword text, only
//      its keyword line when form.removed, and a component only when
//      form.Due(its attribute state).
//   4. Before the first condition it writes in a step outside a load case it
//      adds the step heading (SectionHeading::HeadingFor with the step name).
//
// Steps are given by their position in the step container (0 the initial
// step); IsNew also takes a step name.
#include <set>
#include <string>
#include <typeindex>
#include <unordered_map>
#include <vector>

#include "containers/cow.h"
#include "modeldb/kbcC_BoundaryCondition.h"
#include "modeldb/kinC_Interaction.h"
#include "modeldb/kloC_Load.h"
#include "modeldb/kpfC_Field.h"
#include "modeldb/kprC_Step.h"
#include "oif/impl/oif_Comment.h"
#include "oif/impl/oif_RawKeyword.h"

class zkw_ModelInfo;

/// The restatement flags of the keyword groups of one kind of condition.
class oif_OpStatus {
 public:
  oif_OpStatus() = default;
  virtual ~oif_OpStatus();
  oif_OpStatus(const oif_OpStatus&) = default;
  oif_OpStatus& operator=(const oif_OpStatus&) = default;

  /// The keyword group of a model class; throws for a class outside the kind's table.
  virtual int StatusKey(std::type_index type) const = 0;

  /// Takes the step names (the initial step first) and clears the flags of
  /// keys 0 .. keyCount-1 in every step.
  void Initialize(const std::vector<cow_String>& stepNames, int keyCount);
  /// Whether the group of `type` is restated with ", op=NEW" in the step.
  bool IsNew(std::type_index type, std::size_t step) const;
  bool IsNew(std::type_index type, const cow_String& stepName) const;
  /// Marks every group in the step (nothing for a step outside the model).
  void MarkAllKeys(std::size_t step);
  /// Marks one group in one step.
  void Mark(int key, std::size_t step);
  bool Flag(int key, std::size_t step) const;

  int StepCount() const noexcept { return stepCount_; }
  const std::vector<cow_String>& StepNames() const noexcept { return stepNames_; }
  int KeyCount() const noexcept { return int(flags_.size()); }

 private:
  int stepCount_ = 0;
  std::vector<cow_String> stepNames_;
  std::unordered_map<cow_String, std::size_t> stepIndex_;
  /// flags_[key][step]: 1 when the group is restated in the step.
  std::vector<std::vector<char>> flags_;
};

/// Loads: 17 groups, one per load keyword.
class oif_LoadOpStatus : public oif_OpStatus {
 public:
  static constexpr int KeyCount = 17;
  int StatusKey(std::type_index type) const override;
  /// Initialize, then the deactivation pass and the shared-region pass.
  void Fill(const kprC_PropagatingContainer<kloC_Load>& loads, const std::vector<cow_String>& stepNames,
            zkw_ModelInfo& info);
  /// Loads other than bolt loads: written in full or as changes (1, 3, 4),
  /// or only when their group is restated (2).
  static bool Writes(int status, bool opNew);
};

/// Boundary conditions: group 0 (*Boundary, bolt loads too) and group 1
/// (*Connector Motion).
class oif_BCOpStatus : public oif_OpStatus {
 public:
  static constexpr int KeyCount = 2;
  int StatusKey(std::type_index type) const override;
  /// Initialize, then the boundary-condition pass and the bolt-load pass.
  void Fill(const kprC_PropagatingContainer<kbcC_BoundaryCondition>& conditions,
            const kprC_PropagatingContainer<kloC_Load>& loads, const std::vector<cow_String>& stepNames);
  /// Every group is restated in every buckling step.
  void MarkBucklingSteps(const kprC_StepContainer& steps);
  /// Written in full or as changes (1, 3, 4, 10, 11), or only when restated
  /// (2, 9): with ", op=NEW" or inside a load case.
  static bool Writes(int status, bool restated);
};

/// Predefined fields: 7 groups.
class oif_FieldOpStatus : public oif_OpStatus {
 public:
  static constexpr int KeyCount = 7;
  int StatusKey(std::type_index type) const override;
  /// Initialize, then marks status 15.
  void Fill(const kprC_PropagatingContainer<kpfC_Field>& fields, const std::vector<cow_String>& stepNames);
  /// Written in full or as changes (1, 3, 4, 15), or only when restated (2, 14).
  static bool Writes(int status, bool restated);
};

/// Interactions that follow the step history: films, radiation to the
/// ambient and *Contact (3 groups).
class oif_InteractionOpStatus : public oif_OpStatus {
 public:
  static constexpr int KeyCount = 3;
  int StatusKey(std::type_index type) const override;
  /// Initialize, then marks the deactivations of those three classes.
  void Fill(const kprC_PropagatingContainer<kinC_Interaction>& interactions, const std::vector<cow_String>& stepNames);
  /// Films, radiation and impedances are written as loads are (1, 3, 4; 2
  /// when their group is restated).
  static bool Writes(int status, bool opNew) { return oif_LoadOpStatus::Writes(status, opNew); }
};

/// The form of one condition's keyword in one step.
struct oif_KeywordForm {
  /// ", op=NEW" right after the keyword text.
  bool opNew = false;
  /// Only the attributes given in this step are stated.
  bool changesOnly = false;
  /// The keyword line alone: the condition is removed (status 4 or 11).
  bool removed = false;

  /// The form of a condition of status `status`: ", op=NEW" when `opNew`;
  /// changes only unless the condition is restated (`restated`: its group
  /// is new in the step, or it is written inside a load case) or removed.
  static oif_KeywordForm Make(int status, bool opNew, bool restated) noexcept {
    oif_KeywordForm form;
    form.opNew = opNew;
    form.changesOnly = !restated;
    if (IsRemoval(status)) {
      form.removed = true;
      form.changesOnly = false;
    }
    return form;
  }
  static oif_KeywordForm Make(int status, bool opNew) noexcept { return Make(status, opNew, opNew); }
  /// Amplitude rule: a changed amplitude (attribute state 1 or 3, or 2
  /// while the whole condition is stated) restates every component.
  void ApplyAmplitude(int amplitudeState) noexcept {
    if (amplitudeState == mdl_AttrChanged || amplitudeState == mdl_AttrReset ||
        (amplitudeState == mdl_AttrCarried && !changesOnly))
      changesOnly = false;
  }
  /// Attribute rule: a component is written when given in this step, or
  /// carried over while the whole condition is stated.
  bool Due(int attributeState) const noexcept {
    return attributeState == mdl_AttrChanged || (attributeState == mdl_AttrCarried && !changesOnly);
  }
  /// Statuses 4 and 11 remove a condition.
  static bool IsRemoval(int status) noexcept { return status == mdl_Deactivated || status == mdl_Deactivated2; }
};

/// What the comment before a condition adds inside a load case:
/// "   Scale factor: " and the factor as the stream writes numbers.
cow_String oif_ScaleFactorText(double scale);

/// The heading comment of a step's section of one builder ("BOUNDARY
/// CONDITIONS", "LOADS", ...), written once per step.
class SectionHeading {
 public:
  explicit SectionHeading(const cow_String& title);
  /// The heading the first time a name is given, then the filler (which
  /// prints nothing).
  const zkw_Keyword& HeadingFor(const cow_String& name);
  /// Whether `keyword` is the filler (a builder need not register it).
  bool IsFiller(const zkw_Keyword& keyword) const noexcept { return &keyword == &filler_; }

 private:
  oif_Comment heading_;
  oif_RawKeyword filler_;
  std::set<cow_String> seen_;
};
