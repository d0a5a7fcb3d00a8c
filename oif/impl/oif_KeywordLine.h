#pragma once
// The two small writers every keyword class prints through: one for keyword
// lines ("*Keyword, name=value, flag") and one for comma-separated data lines.
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

 private:
  void Separate();
  utl_Stream& stream_;
};

/// Writes one data line of values separated by `separator`. An unset value
/// leaves its field empty; empty fields at the end of the line are left out
/// unless End(true).
class oif_DataLine {
 public:
  explicit oif_DataLine(utl_Stream& stream, const char* separator = ", ");

  oif_DataLine& operator<<(double value);
  oif_DataLine& operator<<(float value);
  oif_DataLine& operator<<(int value);
  oif_DataLine& operator<<(const char* text);
  oif_DataLine& operator<<(const cow_String& text);
  /// An empty field.
  oif_DataLine& Empty();
  /// Number of fields so far, empty ones included.
  int Fields() const noexcept { return fields_; }
  /// The separator written before the fields that follow.
  oif_DataLine& Separator(const char* separator) noexcept {
    separator_ = separator;
    return *this;
  }
  void End(bool keepTrailingEmpty = false);

 private:
  void Next();
  utl_Stream& stream_;
  const char* separator_;
  int fields_ = 0;
  int pendingEmpty_ = 0;
};
