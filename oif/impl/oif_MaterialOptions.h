#pragma once
// The material option keywords.
//
// Most options, sub-options and gasket keywords follow one pattern: a
// keyword line with parameters that each have a rule for when they are
// written, the option's data table printed with one of a few placement rules
// for empty columns, then the sub-options in a fixed order. Each such keyword
// is one row of the option table below (its row names the keyword class:
// oif_Density, oif_Creep, ...) and is printed by one generic keyword class,
// oif_MaterialOptionKeyword. The options whose lines follow rules of their
// own have keyword classes of their own (oif_Elastic, oif_Plastic, ...);
// oif_MakeOptionKeyword picks the class for an option.
#include <array>
#include <initializer_list>
#include <memory>
#include <span>

#include "exceptions/nex_Exception.h"
#include "modeldb/kmaC_MaterialOption.h"
#include "oif/impl/oif_KeywordLine.h"
#include "zkw/zkw_Keyword.h"

enum class oif_ParamRule : unsigned char {
  End,           ///< (unused entry)
  Dependencies,  ///< ", dependencies=" and the count, when it is above 0
  Number,        ///< "name=" and the value, when it differs from the attribute's default and is set
  NumberAlways,  ///< "name=" and the value (when set)
  Text,          ///< "name=" and the enumeration's text, when the value differs from the default
  TextAlways,    ///< "name=" and the enumeration's text
  Flag,          ///< the word, when the attribute is true
  Literal,       ///< the word, always
  ByValue,       ///< words[value]; nothing for a null word; larger values take the last word
};

struct oif_Param {
  oif_ParamRule rule = oif_ParamRule::End;
  const char* text = nullptr;  ///< parameter name, or the word of Flag and Literal
  kmaC_Attr attr{};
  std::span<const char* const> words{};
  bool breakBefore = true;          ///< ", " is followed by the stream's optional line break
  int specialValue = -1;            ///< Text: this value is printed as specialText
  const char* specialText = nullptr;
};

enum class oif_DataRule : unsigned char {
  None,       ///< no data lines
  Table,      ///< the table as it is
  TableT,     ///< the table with rule T
  TableR,     ///< the table with rule R (flag: optionalColumn)
  TableU,     ///< the table with rule U (flag: optionalColumn)
  TableCI,    ///< the table with rule CI
  TableEos,   ///< the table; the ideal gas form gets an empty column before its last
  TableClay,  ///< rule T; tabular hardening writes ", " before the first data line
  IntLine,    ///< one line: the attribute as an int in width 7, then ","
  RealLine,   ///< one line: the attribute as a real in width 12, precision 6, then ","
  TwoReals,   ///< one line: two attributes as reals in width 12, precision 6, separated by ", "
};

struct oif_OptionRow {
  kmaC_OptionKind kind{};
  const char* className = nullptr;  ///< "oif_Density"
  const char* keyword = nullptr;    ///< "*Density"
  std::array<oif_Param, 5> params{};
  int paramCount = 0;
  oif_DataRule data = oif_DataRule::None;
  kmaC_Attr dataAttr{};
  kmaC_Attr dataAttr2{};
  std::array<kmaC_OptionKind, 4> subOptionKinds{};
  int subOptionCount = 0;

  std::span<const oif_Param> Params() const noexcept { return {params.data(), std::size_t(paramCount)}; }
  std::span<const kmaC_OptionKind> SubOptions() const noexcept {
    return {subOptionKinds.data(), std::size_t(subOptionCount)};
  }
};

/// The option table: the regular option keywords, in kind order.
std::span<const oif_OptionRow> oif_OptionRows();
/// The row of a kind, or nullptr when the kind has a keyword class of its own
/// (or is no kind at all).
const oif_OptionRow* oif_FindOptionRow(kmaC_OptionKind kind);
/// The kinds printed by keyword classes of their own.
std::span<const kmaC_OptionKind> oif_OwnClassOptionKinds();

/// The keyword of every option in the option table.
class oif_MaterialOptionKeyword : public zkw_Keyword {
 public:
  /// Throws nex_TextException ("Unimplemented material option ...") for a
  /// kind outside the option table.
  explicit oif_MaterialOptionKeyword(const kmaC_MaterialOption& option);
  zkw_Keyword* Clone() const override { return new oif_MaterialOptionKeyword(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  kmaC_MaterialOption option_;
  const oif_OptionRow* row_;
};

/// The keyword object of an option. `viscoelastic` (the material has a
/// viscoelastic behaviour) matters to the elastic, hyperelastic and hyperfoam
/// keywords. Throws nex_TextException ("Unimplemented material option ...")
/// for a kind the writer does not know.
std::unique_ptr<zkw_Keyword> oif_MakeOptionKeyword(const kmaC_MaterialOption& option, bool viscoelastic = false);
/// Makes the option's keyword, writes it and drops it.
void oif_WriteOption(utl_Stream& stream, const kmaC_MaterialOption& option, bool viscoelastic = false);
/// Writes the filled sub-option slots of `option` in the given order.
void oif_WriteSubOptions(utl_Stream& stream, const kmaC_MaterialOption& option,
                         std::initializer_list<kmaC_OptionKind> order);

/// The moduli parameter's value: "LONG TERM" for kind 1, else "INSTANTANEOUS".
const char* oif_ModuliText(int moduli);
/// ", dependencies=" and the count when it is above 0.
void oif_AddDependencies(oif_KeywordLine& line, int dependencies);
/// The table with no empty columns.
void oif_PrintTable(utl_Stream& stream, const kmaC_MaterialTable& table);
/// The option's table with rule T.
void oif_PrintTableT(utl_Stream& stream, const kmaC_MaterialOption& option);

/// Base of the option keywords with rules of their own: holds a copy of the
/// option, which must be of kind `Kind`.
template <class Derived, kmaC_OptionKind Kind>
class oif_OwnOptionKeyword : public zkw_Keyword {
 public:
  explicit oif_OwnOptionKeyword(const kmaC_MaterialOption& option) : option_(option) {
    NEX_ASSERT(option.Kind() == Kind);
  }
  zkw_Keyword* Clone() const override { return new Derived(static_cast<const Derived&>(*this)); }

 protected:
  kmaC_MaterialOption option_;
};
