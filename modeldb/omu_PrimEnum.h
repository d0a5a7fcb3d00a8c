#pragma once
// Enumerations of the model database whose values reach the deck as text.
// Each enumeration is one table: the name of its C++ type and, by value, the
// text the solver accepts. The model file gives an enumerated value by that
// text (or by its number).
#include <span>
#include <string>
#include <string_view>

#include "modeldb/mdb_Export.h"

class MDB_API omu_PrimEnumBase {
 public:
  constexpr omu_PrimEnumBase(const char* name, std::span<const char* const> texts) noexcept
      : name_(name), texts_(texts) {}

  /// Name of the enumeration type ("kmaC_Elastic::TypeEnm").
  constexpr const char* Name() const noexcept { return name_; }
  constexpr int Size() const noexcept { return int(texts_.size()); }
  /// The text of `value`. Throws nex_TextException ("Unimplemented ...") for a
  /// value outside the enumeration.
  const char* GetString(int value) const;
  /// The value whose text is `text` (exact match), or -1.
  int Find(std::string_view text) const noexcept;
  /// The texts in value order, quoted and separated by ", " (for messages).
  std::string List() const;

 private:
  const char* name_;
  std::span<const char* const> texts_;
};
