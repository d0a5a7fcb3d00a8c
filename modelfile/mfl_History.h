#pragma once
// Reading the history of a step-dependent object, in the user's form
// (createdIn / changes / deactivatedIn) or the explicit form (history).
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "modeldb/mdl_PropAttr.h"
#include "modelfile/mfl_Loader.h"

namespace mfl {

/// Reads the value members of `values` that it knows into `state`, giving
/// each attribute it sets attribute state 1.
template <class S>
using ApplyValues = std::function<void(const Ref& values, S& state)>;

namespace detail {
/// Returns the attribute named by `nameRef` to its default in this step.
template <class S>
void ResetAttr(S& state, const Ref& nameRef) {
  const std::string name = nameRef.AsString();
  bool found = false;
  state.VisitAttrs([&](const char* attrName, auto& attr) {
    if (name != attrName) return;
    found = true;
    attr.Reset();
  });
  if (!found) nameRef.Fail("model.unknown-member", "no attribute named \"" + name + "\"");
}

/// The members an explicit history entry may have.
inline void AllowEntryMembers(const Ref& entry) { entry.AllowOnly({"step", "status", "values", "attributeStates"}); }

/// The state of one explicit history entry: its "values" through `apply`,
/// then the attribute states it gives ("attributeStates", 0 to 3).
template <class S, class Apply>
S ReadEntryState(const Ref& entry, const std::vector<std::string_view>& valueKeys, Apply&& apply) {
  S state;
  if (entry.Has("values")) {
    const Ref values = entry.Get("values");
    values.AllowOnly(valueKeys);
    apply(values, state);
  }
  if (entry.Has("attributeStates")) {
    entry.Get("attributeStates").ForEachMember([&](const std::string& key, const Ref& stateRef) {
      const int attrState = stateRef.AsInt();
      if (attrState < 0 || attrState > 3) stateRef.Fail("model.range", "attribute states are 0 to 3");
      bool found = false;
      state.VisitAttrs([&](const char* attrName, auto& attr) {
        if (key == attrName) {
          attr.SetState(attrState);
          found = true;
        }
      });
      if (!found) stateRef.Fail("model.unknown-member", "no attribute named \"" + key + "\"");
    });
  }
  return state;
}

inline std::vector<std::string_view> Keys(std::initializer_list<std::string_view> a,
                                          const std::vector<std::string_view>& b) {
  std::vector<std::string_view> keys(a);
  keys.insert(keys.end(), b.begin(), b.end());
  return keys;
}
}  // namespace detail

/// The history of `object`. `ownKeys` are the object's members that are not
/// values (name, region, ...); `valueKeys` the members `apply` reads.
template <class S>
mdl_History<S> ReadHistory(const Loader& loader, const Ref& object, const std::vector<std::string_view>& ownKeys,
                           const std::vector<std::string_view>& valueKeys, const ApplyValues<S>& apply) {
  const std::vector<std::string>& steps = loader.StepNames();
  if (object.Has("history")) {
    std::vector<std::string_view> allowed = detail::Keys({"history"}, ownKeys);
    object.AllowOnly(allowed);
    mdl_History<S> history;
    object.Get("history").ForEachElement([&](const Ref& entry) {
      detail::AllowEntryMembers(entry);
      const std::size_t step = loader.StepIndex(entry.Get("step"));
      const int status = entry.Get("status").AsInt();
      const S state = detail::ReadEntryState<S>(entry, valueKeys, apply);
      history.Set(steps[step], status, state);
    });
    return history;
  }

  std::vector<std::string_view> allowed = detail::Keys({"createdIn", "changes", "deactivatedIn"}, ownKeys);
  allowed.insert(allowed.end(), valueKeys.begin(), valueKeys.end());
  object.AllowOnly(allowed);
  const std::size_t created = object.Has("createdIn") ? loader.StepIndex(object.Get("createdIn")) : 0;
  long deactivated = -1;
  if (object.Has("deactivatedIn")) {
    const Ref ref = object.Get("deactivatedIn");
    deactivated = long(loader.StepIndex(ref));
    if (std::size_t(deactivated) <= created)
      ref.Fail("model.step", "an object is deactivated in a step after the one it is created in");
  }
  S initial;
  apply(object, initial);

  using Change = std::function<void(S&)>;
  std::vector<std::pair<std::size_t, Change>> changes;
  if (object.Has("changes")) {
    std::size_t previous = created;
    object.Get("changes").ForEachElement([&](const Ref& change) {
      std::vector<std::string_view> changeKeys = detail::Keys({"step", "reset"}, valueKeys);
      change.AllowOnly(changeKeys);
      const Ref stepRef = change.Get("step");
      const std::size_t step = loader.StepIndex(stepRef);
      if (step <= previous)
        stepRef.Fail("model.step", "changes are listed in step order, after the step the object is created in");
      if (deactivated >= 0 && long(step) >= deactivated)
        stepRef.Fail("model.step", "a change after the object's deactivation");
      previous = step;
      changes.emplace_back(step, [change, apply](S& state) {
        apply(change, state);
        if (change.Has("reset"))
          change.Get("reset").ForEachElement(
              [&](const Ref& name) { detail::ResetAttr(state, name); });
      });
    });
  }
  return mdl_DeriveHistory(steps, created, std::move(initial), changes, deactivated);
}


/// The history of `object` by step position, read the way ReadHistory reads
/// it: for objects with many steps (conditions), without step names per
/// step. Explicit history entries must be in step order.
/// `Stored` is the state type the model keeps (S or a base of it).
template <class S, class Stored = S, class Apply>
mdl_StepStates<Stored> ReadStepStates(const Loader& loader, const Ref& object,
                                      const std::vector<std::string_view>& ownKeys,
                                      const std::vector<std::string_view>& valueKeys, Apply&& apply) {
  mdl_StepStates<Stored> states;
  if (object.Has("history")) {
    std::vector<std::string_view> allowed = detail::Keys({"history"}, ownKeys);
    object.AllowOnly(allowed);
    object.Get("history").ForEachElement([&](const Ref& entry) {
      detail::AllowEntryMembers(entry);
      const Ref stepRef = entry.Get("step");
      const std::size_t step = loader.StepIndex(stepRef);
      if (states.Size() != 0 && step < states.First() + states.Size())
        stepRef.Fail("model.step", "history entries are listed in step order, one per step");
      S state = detail::ReadEntryState<S>(entry, valueKeys, apply);
      states.Set(step, entry.Get("status").AsInt(), std::move(state));
    });
    return states;
  }

  std::vector<std::string_view> allowed = detail::Keys({"createdIn", "changes", "deactivatedIn"}, ownKeys);
  allowed.insert(allowed.end(), valueKeys.begin(), valueKeys.end());
  object.AllowOnly(allowed);
  const std::vector<std::string>& steps = loader.StepNames();
  const std::size_t created = object.Has("createdIn") ? loader.StepIndex(object.Get("createdIn")) : 0;
  std::size_t end = steps.size();  // the step of the deactivation, or past the last step
  bool deactivated = false;
  if (object.Has("deactivatedIn")) {
    const Ref ref = object.Get("deactivatedIn");
    end = loader.StepIndex(ref);
    deactivated = true;
    if (end <= created) ref.Fail("model.step", "an object is deactivated in a step after the one it is created in");
  }
  S state;
  apply(object, state);
  states.Reserve(created, (deactivated ? end + 1 : steps.size()) - created);
  states.Set(created, mdl_Created, state);

  const std::vector<std::string_view> changeKeys = detail::Keys({"step", "reset"}, valueKeys);
  const bool hasChanges = object.Has("changes");
  const Ref changes = hasChanges ? object.Get("changes") : object;
  const std::size_t changeCount = hasChanges ? changes.Size() : 0;
  if (hasChanges && !changes.IsArray()) changes.Fail("model.type", "expected an array");
  std::size_t next = 0;
  // The step of the next change, checked against the order of the steps.
  std::size_t previous = created;
  auto stepOf = [&](const Ref& change) {
    change.AllowOnly(changeKeys);
    const Ref stepRef = change.Get("step");
    const std::size_t step = loader.StepIndex(stepRef);
    if (step <= previous)
      stepRef.Fail("model.step", "changes are listed in step order, after the step the object is created in");
    if (deactivated && step >= end) stepRef.Fail("model.step", "a change after the object's deactivation");
    previous = step;
    return step;
  };
  std::size_t nextStep = steps.size();
  std::optional<Ref> nextChange;
  auto advance = [&] {
    if (next < changeCount) {
      nextChange.emplace(changes.At(next++));
      nextStep = stepOf(*nextChange);
    } else {
      nextChange.reset();
      nextStep = steps.size();
    }
  };
  if (hasChanges && changes.node().kind() != Node::Kind::Array && changeCount != 0)
    changes.Fail("model.type", "expected an array of objects, not of numbers");
  advance();
  for (std::size_t i = created + 1; i < steps.size() && i <= end; ++i) {
    state.VisitAttrs([](const char*, auto& attr) { attr.CarryOver(); });
    if (i == end) {
      states.Set(i, mdl_Deactivated, state);
      break;
    }
    bool changed = false;
    if (nextStep == i) {
      const Ref& change = *nextChange;
      apply(change, state);
      if (change.Has("reset"))
        change.Get("reset").ForEachElement([&](const Ref& name) { detail::ResetAttr(state, name); });
      changed = true;
      advance();
    }
    states.Set(i, changed ? mdl_Modified : mdl_Propagated, state);
  }
  return states;
}

/// Checks the explicit form of a history ("history": entries with "step" and
/// "status"): steps in analysis order, one entry each, statuses that
/// `known` accepts (`statuses` says which in the message), one creation.
/// `what` names the object ("a load").
template <class Known>
void CheckExplicitHistory(const Loader& loader, const Ref& history, Known known, std::string_view what,
                          std::string_view statuses) {
  long previous = -1;
  bool created = false;
  history.ForEachElement([&](const Ref& entry) {
    const Ref stepRef = entry.Get("step");
    const long step = long(loader.StepIndex(stepRef));
    if (step <= previous) stepRef.Fail("model.step", "history entries are listed in step order, one per step");
    previous = step;
    const Ref statusRef = entry.Get("status");
    const int status = statusRef.AsInt();
    if (!known(status))
      statusRef.Fail("model.range", "the status of " + std::string(what) + " is " + std::string(statuses));
    if (status == mdl_Created) {
      if (created) statusRef.Fail("model.step", std::string(what) + " is created once");
      created = true;
    }
  });
}

}  // namespace mfl
