#pragma once
// The two small writers every keyword class prints through: one for keyword
// lines ("*Keyword, name=value, flag") and one for comma-separated data lines.
#include <string>

#include "containers/cow.h"
#include "modeldb/mdl_Object.h"
#include "textstream/utl_Stream.h"

/// Writes one keyword line. Each parameter is written as ", ", the stream's
/// optional line break and "name=value"; unset values (the unset markers of
/// the model data) are left out. End() ends the line.
class oif_KeywordLine {
 public:
  oif_KeywordLine(utl_Stream& stream, const char* keyword);

  oif_KeywordLine& Param(const char* name, const char* value);
  oif_KeywordLine& Param(const char* name, const cow_String& value);
  oif_KeywordLine& Param(const char* name, int value);
  oif_KeywordLine& Param(const char* name, double value);
  /// A name value, printed through the printable-name rule (quoted when needed).
  oif_KeywordLine& Name(const char* name, const cow_String& value);
  /// A parameter whose value equals its default is not written.
  oif_KeywordLine& ParamUnlessDefault(const char* name, double value, double defaultValue);
  oif_KeywordLine& ParamUnlessDefault(const char* name, int value, int defaultValue);
  /// A parameter without value (", generate").
  oif_KeywordLine& Flag(const char* word);
  /// ", op=NEW" right after the keyword text when `opNew`: the keyword's group
  /// replaces what earlier steps defined.
  oif_KeywordLine& OpNew(bool opNew);
  void End();

  // Forms without a break candidate: ", name=value" where the line does not
  // continue before the parameter (mostly the element set, name or type that
  // opens a keyword). Unset values are left out as above.
  oif_KeywordLine& ParamNoBreak(const char* name, const char* value);
  oif_KeywordLine& ParamNoBreak(const char* name, const cow_String& value);
  oif_KeywordLine& ParamNoBreak(const char* name, int value);
  oif_KeywordLine& ParamNoBreak(const char* name, double value);
  oif_KeywordLine& NameNoBreak(const char* name, const cow_String& value);
  oif_KeywordLine& FlagNoBreak(const char* word);
  /// Text written as it is, for the few keywords whose parameters are not
  /// separated by ", " ("*Dynamic,alpha=..."); numbers as the stream writes
  /// them, unset markers included.
  oif_KeywordLine& Literal(const char* text);
  oif_KeywordLine& Literal(const cow_String& text);
  oif_KeywordLine& Literal(int value);
  oif_KeywordLine& Literal(double value);
  /// A break candidate right here (after a "," or ", " written literally).
  oif_KeywordLine& Break();
  /// ", " without a break candidate.
  oif_KeywordLine& Separator();
  /// "name=value, " (without a break candidate): the layout of the beam
  /// section keywords, whose parameters each end with their separator and
  /// whose line goes on with the profile's "section=". `assign` stands
  /// between the name and the value.
  oif_KeywordLine& ParamThenSeparator(const char* name, const char* value);
  oif_KeywordLine& ParamThenSeparator(const char* name, const cow_String& value);
  oif_KeywordLine& ParamThenSeparator(const char* name, int value);
  oif_KeywordLine& ParamThenSeparator(const char* name, double value, const char* assign = "=");
  /// The same for a name value (printed through the printable-name rule).
  oif_KeywordLine& NameThenSeparator(const char* name, const cow_String& value);
  /// The stream, for a value with a format of its own; the line still ends
  /// with End().
  utl_Stream& Stream() noexcept { return stream_; }

 private:
  void Separate();
  utl_Stream& stream_;
};

/// Writes one data line of values separated by `separator`. An unset value
/// leaves its field empty; empty fields at the end of the line are left out
/// unless End(true). With PerLine(n), the values continue on a new line after
/// every n fields (no separator at the end of a full line). Irregular layouts:
/// a separator after the last field (EndWithSeparator), a line that another
/// writer goes on with (Continue), numbers in a fixed format (Print), and a
/// separator that changes within the line (Separator: the empty fields before
/// the change keep the separator they were given with).
class oif_DataLine {
 public:
  explicit oif_DataLine(utl_Stream& stream, const char* separator = ", ");

  oif_DataLine& operator<<(double value);
  oif_DataLine& operator<<(float value);
  oif_DataLine& operator<<(int value);
  oif_DataLine& operator<<(const char* text);
  oif_DataLine& operator<<(const cow_String& text);
  /// A number in the stream's fixed format (utl_Stream::Print).
  oif_DataLine& Print(double value, int width, int precision);
  oif_DataLine& Print(int value, int width);
  /// A name, printed through the printable-name rule (quoted when needed).
  oif_DataLine& Name(const cow_String& name);
  /// "INSTANCE.LABEL": a node of a part instance.
  oif_DataLine& QualifiedLabel(const cow_String& instance, int label);
  /// An empty field.
  oif_DataLine& Empty();
  /// Number of fields so far, empty ones included.
  int Fields() const noexcept { return fields_; }
  /// The separator written from here on (also before the empty fields not
  /// yet written).
  oif_DataLine& Separator(const char* separator) noexcept {
    separator_ = separator;
    return *this;
  }
  /// The separator of the fields that follow; the empty fields given before
  /// keep the separator in force when they were given.
  oif_DataLine& NextSeparator(const char* separator);
  /// At most `count` fields a line (0: one line).
  oif_DataLine& PerLine(int count) noexcept {
    perLine_ = count;
    return *this;
  }
  void End(bool keepTrailingEmpty = false);
  /// Ends the line with a separator after its last field (empty fields
  /// included): "1, 2, ".
  void EndWithSeparator();
  /// Writes the separator after the last field (empty fields included) and
  /// leaves the line open: another writer goes on with it.
  void Continue();

 private:
  void Next();
  /// Writes the separators of the empty fields not yet written.
  void WritePending();
  /// What comes before field `index` (> 0): the separator or a new line.
  void Boundary(int index);
  utl_Stream& stream_;
  const char* separator_;
  int fields_ = 0;
  int pendingEmpty_ = 0;
  int perLine_ = 0;
  /// The separators of empty fields given before the separator changed,
  /// written with the next value (left out at the end of the line).
  std::string heldSeparators_;
};
