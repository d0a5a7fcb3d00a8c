#pragma once
// History of step-dependent model objects (boundary conditions, loads,
// fields, interactions, controls, output requests).
//
// Per step an object reports a propagation status and a state whose
// attributes (mdl_PropAttr) each carry an attribute state:
//   0  not given,
//   1  given or changed in this step,
//   2  given in an earlier step and carried over unchanged,
//   3  returned to its default (not given) in this step.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "exceptions/nex_Exception.h"

/// Propagation status of an object in a step.
enum mdl_PropagationStatusEnm : int {
  mdl_Inactive = 0,          // not yet created, or gone after its deactivation
  mdl_Created = 1,
  mdl_Propagated = 2,
  mdl_Modified = 3,
  mdl_Deactivated = 4,
  mdl_BoltPropagated = 8,    // bolt loads only: never written
  mdl_Propagated2 = 9,       // second forms, boundary conditions
  mdl_Modified2 = 10,
  mdl_Deactivated2 = 11,
  mdl_FieldPropagated = 14,  // fields only
  mdl_FieldRestated = 15,
};

enum mdl_AttrStateEnm : int {
  mdl_AttrUnset = 0,
  mdl_AttrChanged = 1,
  mdl_AttrCarried = 2,
  mdl_AttrReset = 3,
};

template <class T>
class mdl_PropAttr {
 public:
  mdl_PropAttr() = default;
  mdl_PropAttr(T value, int state) : value_(std::move(value)), state_(state) {}

  const T& ConstGet() const noexcept { return value_; }
  int State() const noexcept { return state_; }
  /// Holds a value in this step (given now or carried over).
  bool IsSet() const noexcept { return state_ == mdl_AttrChanged || state_ == mdl_AttrCarried; }
  /// Changed in this step (given a new value or returned to its default).
  bool IsModified() const noexcept { return state_ == mdl_AttrChanged || state_ == mdl_AttrReset; }

  void Set(T value, int state = mdl_AttrChanged) {
    value_ = std::move(value);
    state_ = state;
  }
  void SetState(int state) noexcept { state_ = state; }
  /// Returns to the default value with state 3.
  void Reset() {
    value_ = T{};
    state_ = mdl_AttrReset;
  }
  /// The attribute as it reads in the following step.
  void CarryOver() noexcept {
    if (state_ == mdl_AttrChanged) state_ = mdl_AttrCarried;
    if (state_ == mdl_AttrReset) state_ = mdl_AttrUnset;
  }

 private:
  T value_{};
  int state_ = mdl_AttrUnset;
};

/// Per-step status and state of one object. A state type S lists its
/// attributes through `template <class F> void VisitAttrs(F&& f)`, calling
/// f(name, attribute) on each mdl_PropAttr member, where name is the
/// attribute's name in the model file.
template <class S>
class mdl_History {
 public:
  struct Entry {
    int status = mdl_Inactive;
    S state{};
  };

  /// Status in a step; 0 for a step the object does not exist in.
  int Status(const std::string& step) const {
    auto it = steps_.find(step);
    return it == steps_.end() ? int(mdl_Inactive) : it->second.status;
  }
  /// State in a step; an empty state for a step the object does not exist in.
  const S& ConstGetState(const std::string& step) const {
    static const S empty{};
    auto it = steps_.find(step);
    return it == steps_.end() ? empty : it->second.state;
  }
  void Set(const std::string& step, int status, S state) {
    steps_[step] = Entry{status, std::move(state)};
  }
  const std::map<std::string, Entry>& Entries() const noexcept { return steps_; }

 private:
  std::map<std::string, Entry> steps_;
};

/// Propagation statuses of one object by step position (0 is the initial
/// step); 0 for a step outside the list. The writer reads statuses by
/// position, with no step names in its inner loops.
class mdl_StatusList {
 public:
  int Status(std::size_t step) const noexcept { return step < statuses_.size() ? statuses_[step] : 0; }
  void Set(std::size_t step, int status) {
    if (statuses_.size() <= step) statuses_.resize(step + 1, 0);
    statuses_[step] = status;
  }
  std::size_t Size() const noexcept { return statuses_.size(); }

 private:
  std::vector<int> statuses_;
};

/// Statuses and states of one object by step position, from the step it is
/// created in on: the form the writer reads. A step without an entry has
/// status 0 and an empty state.
template <class S>
class mdl_StepStates {
 public:
  int Status(std::size_t step) const noexcept {
    return step < first_ || step - first_ >= entries_.size() ? 0 : entries_[step - first_].status;
  }
  const S& State(std::size_t step) const noexcept {
    static const S empty{};
    return step < first_ || step - first_ >= entries_.size() ? empty : entries_[step - first_].state;
  }
  /// Sets the entry of a step; entries are given in increasing step order.
  void Set(std::size_t step, int status, S state) {
    if (entries_.empty()) first_ = step;
    NEX_ASSERT(step >= first_);
    const std::size_t at = step - first_;
    if (at == entries_.size()) {  // the usual case: the next step, built in place
      entries_.push_back(Entry{status, std::move(state)});
      return;
    }
    if (entries_.size() < at) entries_.resize(at + 1);
    entries_[at] = Entry{status, std::move(state)};
  }
  /// Makes room for `count` entries from step `first` on.
  void Reserve(std::size_t first, std::size_t count) {
    if (entries_.empty()) first_ = first;
    entries_.reserve(count);
  }
  /// Position of the first step with an entry, and the number of entries.
  std::size_t First() const noexcept { return first_; }
  std::size_t Size() const noexcept { return entries_.size(); }

 private:
  struct Entry {
    int status = 0;
    S state{};
  };
  std::size_t first_ = 0;
  std::vector<Entry> entries_;
};

/// Derives a history from the way a user states it: the object is created in
/// step `stepNames[created]` with `initial` (attributes given there in state
/// 1), changed in later steps by `changes` (each applies its values with state
/// 1 or resets attributes), and deactivated in step `deactivated` (-1: never).
/// Steps before creation and after deactivation have no entry.
template <class S, class Change>
mdl_History<S> mdl_DeriveHistory(const std::vector<std::string>& stepNames, std::size_t created,
                                 S initial, const std::vector<std::pair<std::size_t, Change>>& changes,
                                 long deactivated) {
  NEX_ASSERT(created < stepNames.size());
  mdl_History<S> history;
  S state = std::move(initial);
  history.Set(stepNames[created], mdl_Created, state);
  std::size_t next = 0;
  std::size_t end = deactivated < 0 ? stepNames.size() : std::size_t(deactivated);
  for (std::size_t i = created + 1; i < stepNames.size() && i <= end; ++i) {
    state.VisitAttrs([](const char*, auto& attr) { attr.CarryOver(); });
    if (i == end) {
      history.Set(stepNames[i], mdl_Deactivated, state);
      break;
    }
    bool changed = false;
    while (next < changes.size() && changes[next].first == i) {
      changes[next].second(state);
      changed = true;
      ++next;
    }
    history.Set(stepNames[i], changed ? mdl_Modified : mdl_Propagated, state);
  }
  return history;
}
