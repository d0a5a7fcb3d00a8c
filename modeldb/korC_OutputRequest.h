#pragma once
// Output requests (step-dependent): field and history requests, each with a
// region and, per step (by step position, 0 the initial step), a propagation
// status and a state: how often output is written (the frequency kind that
// the state gives) and which variables (by name, or the procedure's
// preselected defaults, or all). The writer turns the requests active in a
// step into records (korC_OdbRequest), one per *Output group.
#include <string>
#include <vector>

#include "modeldb/kprC_Procedure.h"
#include "modeldb/mdl_Object.h"
#include "modeldb/mdl_PropAttr.h"
#include "modeldb/rgnC_Region.h"

/// What a request's variables are, besides a list of names.
enum korC_PresetEnm : int { korC_Selected = 0, korC_Preselect = 1, korC_All = 2 };

/// Where a request applies (the record's domain kind).
enum korC_DomainKind : int {
  korC_WholeModel = 0,
  korC_SetDomain = 1,        ///< a node set, element set or surface
  korC_ContactDomain = 7,    ///< a contact pair or general contact: contact output only
  korC_EntityDomain = 8,     ///< a named entity, cited by its first name as stored
  korC_SpringDomain = 9,     ///< springs and dashpots of an engineering feature
};

/// Element output of rebar: 0 the elements only, 1 the elements and their
/// rebar, 2 the rebar only.
enum korC_RebarEnm : int { korC_NoRebar = 0, korC_AlsoRebar = 1, korC_OnlyRebar = 2 };

/// A request's state in one step. Each attribute carries its attribute
/// state (mdl_PropAttr); a frequency kind applies when its attribute is set.
struct MDB_API korC_OutputRequestState {
  mdl_PropAttr<int> frequency;           ///< every N increments (0: no output)
  mdl_PropAttr<int> numberInterval;      ///< N equal intervals
  mdl_PropAttr<double> timeInterval;
  mdl_PropAttr<std::string> timePoints;  ///< name of a time points object
  mdl_PropAttr<std::vector<int>> modes;
  mdl_PropAttr<bool> timeMarks;
  mdl_PropAttr<std::vector<std::string>> variables;
  mdl_PropAttr<int> preset;              ///< korC_PresetEnm

  template <class F>
  void VisitAttrs(F&& f) {
    f("frequency", frequency);
    f("numberInterval", numberInterval);
    f("timeInterval", timeInterval);
    f("timePoints", timePoints);
    f("modes", modes);
    f("timeMarks", timeMarks);
    f("variables", variables);
    f("preset", preset);
  }
};

/// Base of both channels' requests.
class MDB_API korC_OutputRequest : public mdl_Object {
 public:
  using mdl_Object::mdl_Object;
  ~korC_OutputRequest() override;

  virtual int Channel() const = 0;
  int Status(std::size_t step) const noexcept { return states.Status(step); }
  const korC_OutputRequestState& ConstGetState(std::size_t step) const noexcept { return states.State(step); }
  /// Active in the step: created, carried over or changed there.
  bool IsActive(std::size_t step) const noexcept {
    const int s = Status(step);
    return s == mdl_Created || s == mdl_Propagated || s == mdl_Modified;
  }

  bool suppressed = false;
  mdl_StepStates<korC_OutputRequestState> states;
  int domainKind = korC_WholeModel;
  /// The set or surface of a set domain, with its rgnC_SetData kind.
  rgnC_Region region;
  int regionSetKind = -1;
  /// Names of the entities of domains 7 to 9.
  std::vector<std::string> entities;
  int rebar = korC_NoRebar;
  /// Element output of the field channel: output in local directions.
  bool directions = true;
  std::vector<int> sectionPoints;
  /// Name of an output filter; empty for none.
  std::string filter;
  /// Kind 5 requests are kept by the model but never written.
  int kind = 0;
};

class MDB_API korC_FieldOutputRequest : public korC_OutputRequest {
 public:
  using korC_OutputRequest::korC_OutputRequest;
  ~korC_FieldOutputRequest() override;
  int Channel() const override { return kprC_FieldChannel; }
};

class MDB_API korC_HistoryOutputRequest : public korC_OutputRequest {
 public:
  using korC_OutputRequest::korC_OutputRequest;
  ~korC_HistoryOutputRequest() override;
  int Channel() const override { return kprC_HistoryChannel; }
};

/// One output request to write in one step: what the writer reads of a
/// request and its state there.
class MDB_API korC_OdbRequest {
 public:
  /// The empty record of a channel and procedure: the procedure's default
  /// frequency kind and values, and the preselected variables.
  korC_OdbRequest(int channel, unsigned procedureType);
  /// The record of `request` in the step at `step` of a procedure: the first
  /// frequency kind that the state gives and the procedure allows (every N
  /// increments, number interval, time interval, time points, mode list);
  /// the procedure's default kind when it gives none.
  korC_OdbRequest(const korC_OutputRequest& request, std::size_t step, unsigned procedureType);

  /// Same frequency kind and values.
  bool EqualFrequency(const korC_OdbRequest& other) const;
  /// Equal in everything but the name.
  bool SameRequest(const korC_OdbRequest& other) const;
  /// Record order: by frequency kind, then by its values.
  bool FrequencyBefore(const korC_OdbRequest& other) const;

  std::string name;
  int channel = kprC_FieldChannel;
  unsigned procedureType = 0;
  int frequencyKind = kprC_EveryIncrements;
  int frequency = 1;
  int numberInterval = 20;
  double timeInterval = 0.0;
  std::string timePoints;
  std::vector<int> modes;
  bool timeMarks = true;
  std::string filter;
  std::vector<std::string> variables;
  bool preselect = false;
  bool all = false;
  int domainKind = korC_WholeModel;
  rgnC_Region region;
  int regionSetKind = -1;
  std::vector<std::string> entities;
  int rebar = korC_NoRebar;
  bool directions = true;
  std::vector<int> sectionPoints;
};
