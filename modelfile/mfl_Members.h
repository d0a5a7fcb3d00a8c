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
    members_.push_back({name, [read = std::move(read)](const Context*, const Ref& value, S& object) {
                          read(value, object);
                        }});
    return *this;
  }
  Members& Custom(std::string_view name, ReadWithContext read) {
    needsContext_ = true;
    members_.push_back({name, [read = std::move(read)](const Context* context, const Ref& value, S& object) {
                          read(*context, value, object);
                        }});
    return *this;
  }
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
  template <class E>
  Members& Enum(std::string_view name, std::type_identity_t<E S::*> member, const EnumTable<E>& table) {
    return Custom(name, [member, &table](const Ref& ref, S& object) { object.*member = ReadEnum(ref, table); });
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

  std::vector<std::string_view> Names() const {
    std::vector<std::string_view> names;
    for (const Member& member : members_) names.push_back(member.name);
    return names;
  }
  /// Refuses members of `ref` other than these and `others`.
  void AllowOnly(const Ref& ref, std::initializer_list<std::string_view> others = {}) const {
    std::vector<std::string_view> allowed(others);
    for (const Member& member : members_) allowed.push_back(member.name);
    ref.AllowOnly(allowed);
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
    std::string_view name;
    std::function<void(const Context*, const Ref&, S&)> read;
    bool required = false;
  };

  void ReadAll(const Context* context, const Ref& ref, S& object) const {
    for (const Member& member : members_) {
      if (ref.Has(member.name))
        member.read(context, ref.Get(member.name), object);
      else if (member.required)
        ref.Get(member.name);  // refused: the member is missing
    }
  }

  std::vector<Member> members_;
  bool needsContext_ = false;
};

}  // namespace mfl
