#pragma once
// The declarative reading of the model file: each kind of object lists its
// members once, with how each is read into it (Members<S>); the loader refuses
// every other member and reads the given ones in the list's order.
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "exceptions/nex_Exception.h"
#include "modelfile/mfl_Loader.h"

namespace mfl {

// Enumerated texts of the model file all read and refuse alike: a text
// outside the list is refused (model.enum) with
// `unknown <what> "<text>"; expected one of: "a", "b", ...`.

/// "a", "b", ...
std::string QuotedList(const std::vector<std::string_view>& texts);
/// Refuses `text`, an unknown <what>; `known` lists the texts (QuotedList).
[[noreturn]] void FailUnknown(const Ref& ref, std::string_view what, const std::string& text, const std::string& known);

/// An enumeration of the model file: each value by its text.
template <class E>
using EnumTable = std::vector<std::pair<std::string_view, E>>;

/// Reads a text of `table`; `what` names the value in the refusal.
template <class E>
E ReadEnum(const Ref& ref, const EnumTable<E>& table, std::string_view what = "value") {
  const std::string text = ref.AsString();
  for (auto& [name, value] : table)
    if (text == name) return value;
  std::vector<std::string_view> known;
  for (auto& entry : table) known.push_back(entry.first);
  FailUnknown(ref, what, text, QuotedList(known));
}

/// A number, or the unset marker for null.
double ReadReal(const Ref& ref);
/// An integer, or the unset marker for null; refuses values below `min`.
int ReadInt(const Ref& ref, int min);

/// The members of one kind of object and how each is read into it. A member
/// that refers to other parts of the model (sets, steps, materials, ...) is
/// read with a context: the loader that reads the file (the default), or what
/// a reader is given instead (the model contents read so far); its callback
/// takes the context first.
template <class S, class Context = Loader>
class Members {
 public:
  using Read = std::function<void(const Ref& value, S& object)>;
  using ReadWithContext = std::function<void(const Context& context, const Ref& value, S& object)>;
  using ReadWithLoader = ReadWithContext;

  Members& Custom(std::string_view name, Read read) {
    names_.push_back(name);
    members_.push_back({name, [read = std::move(read)](const Context*, const Ref& value, S& object) {
                          read(value, object);
                        }});
    return *this;
  }
  Members& Custom(std::string_view name, ReadWithContext read) {
    needsContext_ = true;
    names_.push_back(name);
    members_.push_back({name, [read = std::move(read)](const Context* context, const Ref& value, S& object) {
                          read(*context, value, object);
                        }});
    return *this;
  }
  /// Members read together by one function of the whole object (`owner`):
  /// members that depend on each other, or a table given by several members.
  /// `names` are allowed and listed at this place; the function runs whether
  /// they are given or not.
  Members& Group(std::initializer_list<std::string_view> names, Read readOwner) {
    members_.push_back({{}, [read = std::move(readOwner)](const Context*, const Ref& owner, S& object) {
                          read(owner, object);
                        }});
    members_.back().whole = true;
    names_.insert(names_.end(), names.begin(), names.end());
    return *this;
  }
  Members& Group(std::initializer_list<std::string_view> names, ReadWithContext readOwner) {
    needsContext_ = true;
    members_.push_back({{}, [read = std::move(readOwner)](const Context* context, const Ref& owner, S& object) {
                          read(*context, owner, object);
                        }});
    members_.back().whole = true;
    names_.insert(names_.end(), names.begin(), names.end());
    return *this;
  }
  /// Members listed (allowed) at this place and read by a later Group() or
  /// Check(), where they depend on members listed after them.
  Members& Allow(std::initializer_list<std::string_view> names) {
    return Group(names, [](const Ref&, S&) {});
  }
  /// Group() with the names known when the table is made.
  Members& Group(const std::vector<std::string_view>& names, Read readOwner) {
    Group({}, std::move(readOwner));
    names_.insert(names_.end(), names.begin(), names.end());
    return *this;
  }
  /// The members of `other`, after these.
  Members& Append(const Members& other) {
    members_.insert(members_.end(), other.members_.begin(), other.members_.end());
    names_.insert(names_.end(), other.names_.begin(), other.names_.end());
    needsContext_ = needsContext_ || other.needsContext_;
    return *this;
  }
  /// A check of the object at this place of the list (what is read so far,
  /// members that exclude each other); `owner` is the whole object.
  Members& Check(Read check) { return Group({}, std::move(check)); }
  Members& Check(ReadWithContext check) { return Group({}, std::move(check)); }
  /// The member added last must be given (model.missing-member).
  Members& Required() {
    members_.back().required = true;
    return *this;
  }
  Members& Real(std::string_view name, std::type_identity_t<double S::*> member) {
    return Custom(name, [member](const Ref& ref, S& object) { object.*member = ReadReal(ref); });
  }
  Members& Int(std::string_view name, std::type_identity_t<int S::*> member, int min = 0) {
    return Custom(name, [member, min](const Ref& ref, S& object) { object.*member = ReadInt(ref, min); });
  }
  Members& Bool(std::string_view name, std::type_identity_t<bool S::*> member) {
    return Custom(name, [member](const Ref& ref, S& object) { object.*member = ref.AsBool(); });
  }
  /// A text of `table`; `what` names the value in the refusal.
  template <class E>
  Members& Enum(std::string_view name, std::type_identity_t<E S::*> member, const EnumTable<E>& table,
                std::string_view what = "value") {
    return Custom(name, [member, &table, what](const Ref& ref, S& object) {
      object.*member = ReadEnum(ref, table, what);
    });
  }
  /// An enumeration of the model database (omu_PrimEnumBase), by its text or
  /// its number.
  Members& Enum(std::string_view name, std::type_identity_t<int S::*> member, const omu_PrimEnumBase& enumeration) {
    return Custom(name,
                  [member, &enumeration](const Ref& ref, S& object) { object.*member = ReadEnum(ref, enumeration); });
  }
  /// A number that must not be null.
  Members& Number(std::string_view name, std::type_identity_t<double S::*> member) {
    return Custom(name, [member](const Ref& ref, S& object) { object.*member = ref.AsDouble(); });
  }
  /// Any text.
  Members& String(std::string_view name, std::type_identity_t<std::string S::*> member) {
    return Custom(name, [member](const Ref& ref, S& object) { object.*member = ref.AsString(); });
  }
  /// A name (ReadName: not empty, no double quotes or line breaks).
  Members& Name(std::string_view name, std::type_identity_t<std::string S::*> member) {
    return Custom(name, [member](const Ref& ref, S& object) { object.*member = ReadName(ref); });
  }
  /// A name that no object read before with the same context has: the
  /// context's `seen` keeps the names (CheckUnique); `what` names the kind of
  /// object in the refusal. With `qualifiable`, ReadQualifiableName.
  Members& UniqueName(std::string_view name, std::type_identity_t<std::string S::*> member, const char* what,
                      bool qualifiable = false)
    requires requires(const Context& context) { context.seen; }
  {
    return Custom(name, [member, what, qualifiable](const Context& context, const Ref& ref, S& object) {
      object.*member = qualifiable ? ReadQualifiableName(ref) : ReadName(ref);
      CheckUnique(ref, object.*member, context.seen, what);
    });
  }
  /// A set or surface of the model ({"set": NAME, "instance": NAME}, read by
  /// Loader::SetRegion) of the kind `kind` (rgnC_SetData::Kind); for tables
  /// whose context is the loader.
  Members& Region(std::string_view name, std::type_identity_t<rgnC_Region S::*> member, int kind) {
    return Custom(name, ReadWithContext([member, kind](const Context& loader, const Ref& ref, S& object) {
                    object.*member = loader.SetRegion(ref, {kind});
                  }));
  }
  /// A nested object read by its own table (which refuses members of its own
  /// that it does not list).
  template <class T>
  Members& Object(std::string_view name, std::type_identity_t<T S::*> member, const Members<T>& table) {
    return Custom(name, [member, &table](const Ref& ref, S& object) { table.ReadObject(ref, object.*member); });
  }
  /// An array of objects, each read by `table` and appended.
  template <class T>
  Members& Objects(std::string_view name, std::type_identity_t<std::vector<T> S::*> member,
                   const Members<T>& table) {
    return Custom(name, [member, &table](const Ref& ref, S& object) {
      ref.ForEachElement([&](const Ref& element) {
        T value{};
        table.ReadObject(element, value);
        (object.*member).push_back(std::move(value));
      });
    });
  }

  /// The members in the table's order (those of groups at their place).
  std::vector<std::string_view> Names() const { return names_; }
  /// Refuses members of `ref` other than these and `others` (listed first:
  /// the members the caller reads itself, such as a "name" or a "kind").
  void AllowOnly(const Ref& ref, std::initializer_list<std::string_view> others = {}) const {
    if (others.size() == 0)
      ref.AllowOnly(names_);
    else
      AllowOnly(ref, std::vector<std::string_view>(others));
  }
  void AllowOnly(const Ref& ref, std::vector<std::string_view> others) const {
    for (std::string_view name : Names()) others.push_back(name);
    ref.AllowOnly(others);
  }
  /// The whole reading of an object: refuses members other than these and
  /// `others` (AllowOnly), then reads the given ones (ReadInto).
  void ReadObject(const Context& context, const Ref& ref, S& object,
            std::initializer_list<std::string_view> others = {}) const {
    AllowOnly(ref, others);
    ReadInto(context, ref, object);
  }
  void ReadObject(const Ref& ref, S& object, std::initializer_list<std::string_view> others = {}) const {
    AllowOnly(ref, others);
    ReadInto(ref, object);
  }
  void ReadObject(const Context& context, const Ref& ref, S& object, std::vector<std::string_view> others) const {
    AllowOnly(ref, std::move(others));
    ReadInto(context, ref, object);
  }
  /// Reads every member that `ref` has, in this list's order; refuses a
  /// missing required member at its place in the list.
  void ReadInto(const Context& context, const Ref& ref, S& object) const { ReadAll(&context, ref, object); }
  /// The same for tables none of whose members needs the context.
  void ReadInto(const Ref& ref, S& object) const {
    NEX_ASSERT(!needsContext_);
    ReadAll(nullptr, ref, object);
  }

 private:
  struct Member {
    using Function = std::function<void(const Context*, const Ref&, S&)>;
    Member(std::string_view n, Function f) : name(n), read(std::move(f)) {}
    std::string_view name;
    Function read;
    bool required = false;
    bool whole = false;  // Group() and Check(): reads the whole object
  };

  void ReadAll(const Context* context, const Ref& ref, S& object) const {
    for (const Member& member : members_) {
      if (member.whole)
        member.read(context, ref, object);
      else if (ref.Has(member.name))
        member.read(context, ref.Get(member.name), object);
      else if (member.required)
        ref.Get(member.name);  // refused: the member is missing
    }
  }

  std::vector<Member> members_;
  std::vector<std::string_view> names_;  // every member's name, groups' included
  bool needsContext_ = false;
};

}  // namespace mfl
