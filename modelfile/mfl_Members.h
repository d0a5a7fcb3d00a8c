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

#include "modelfile/mfl_Loader.h"

namespace mfl {

/// An enumeration of the model file: each value by its text.
template <class E>
using EnumTable = std::vector<std::pair<std::string_view, E>>;

/// Reads a text of `table` (model.enum, listing the texts, for any other).
template <class E>
E ReadEnum(const Ref& ref, const EnumTable<E>& table) {
  const std::string text = ref.AsString();
  for (auto& [name, value] : table)
    if (text == name) return value;
  std::string known;
  for (auto& entry : table) known += (known.empty() ? "\"" : ", \"") + std::string(entry.first) + "\"";
  ref.Fail("model.enum", "unknown value \"" + text + "\"; expected one of " + known);
}

/// A number, or the unset marker for null.
double ReadReal(const Ref& ref);
/// An integer, or the unset marker for null; refuses values below `min`.
int ReadInt(const Ref& ref, int min);

/// The members of one kind of object and how each is read into it. A member
/// that refers to other parts of the model (sets, steps, ...) is read with the
/// loader that reads the file: its callback takes the loader first.
template <class S>
class Members {
 public:
  using Read = std::function<void(const Ref& value, S& object)>;
  using ReadWithLoader = std::function<void(const Loader& loader, const Ref& value, S& object)>;

  Members& Custom(std::string_view name, Read read) {
    members_.emplace_back(name, [read = std::move(read)](const Loader*, const Ref& value, S& object) {
      read(value, object);
    });
    return *this;
  }
  Members& Custom(std::string_view name, ReadWithLoader read) {
    needsLoader_ = true;
    members_.emplace_back(name, [read = std::move(read)](const Loader* loader, const Ref& value, S& object) {
      read(*loader, value, object);
    });
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
  /// A number that must be given (null is refused).
  Members& Number(std::string_view name, std::type_identity_t<double S::*> member) {
    return Custom(name, [member](const Ref& ref, S& object) { object.*member = ref.AsDouble(); });
  }

  std::vector<std::string_view> Names() const {
    std::vector<std::string_view> names;
    for (auto& member : members_) names.push_back(member.first);
    return names;
  }
  /// Refuses members of `ref` other than these and `others`.
  void AllowOnly(const Ref& ref, std::initializer_list<std::string_view> others = {}) const {
    std::vector<std::string_view> allowed(others);
    for (auto& member : members_) allowed.push_back(member.first);
    ref.AllowOnly(allowed);
  }
  /// Reads every member that `ref` has, in this list's order.
  void ReadInto(const Loader& loader, const Ref& ref, S& object) const {
    for (auto& [name, read] : members_)
      if (ref.Has(name)) read(&loader, ref.Get(name), object);
  }
  /// The same for readers called without the loader: members that need it
  /// get the loader reading the model on this thread (prefer the form above).
  void ReadInto(const Ref& ref, S& object) const {
    const Loader* loader = needsLoader_ ? &Loader::Current() : nullptr;
    for (auto& [name, read] : members_)
      if (ref.Has(name)) read(loader, ref.Get(name), object);
  }

 private:
  std::vector<std::pair<std::string_view, std::function<void(const Loader*, const Ref&, S&)>>> members_;
  bool needsLoader_ = false;
};

}  // namespace mfl
