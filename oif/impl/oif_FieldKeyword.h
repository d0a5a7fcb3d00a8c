#pragma once
// What the keywords of predefined fields share: the field, its step, its
// region name and form, the results-file name rule and the value lines.
#include <memory>
#include <vector>

#include "modeldb/kpfC_Field.h"
#include "oif/impl/oif_OpStatus.h"
#include "zkw/zkw_Keyword.h"

class oif_KeywordLine;

/// The name of a results file as the deck cites it: a stored name longer
/// than four characters ending in ".fil" (in any case) loses that extension.
cow_String oif_ResultsFileName(const std::string& stored);

/// The region name followed by the values, at most eight items a line (the
/// region name is the first item of the first line).
void oif_WriteValueLines(utl_Stream& stream, const cow_String& region, const std::vector<double>& values);

/// One line: the region name, then every value followed by ", ".
void oif_WriteTrailingLine(utl_Stream& stream, const cow_String& region, const std::vector<double>& values);

/// Base of the field keywords: one field in one step.
class oif_FieldKeyword : public zkw_Keyword {
 public:
  oif_FieldKeyword(std::shared_ptr<const kpfC_Field> field, std::size_t step, const cow_String& regionName,
                   const oif_KeywordForm& form);

  /// In a load case: the case's scale factor, which multiplies the values of
  /// *Temperature and *Field (1 outside load cases).
  oif_FieldKeyword& Scale(double factor) noexcept {
    scale_ = factor;
    return *this;
  }

 protected:
  const kpfC_FieldState& State() const noexcept { return field_->ConstGetState(step_); }
  /// Adds ", op=NEW" when the group is restated; a removed field's line ends
  /// there. False when the keyword line is all there is to write.
  bool Open(oif_KeywordLine& line) const;
  /// The temperatures of the state, padded with copies of the last one up to
  /// `valuesPerPoint` unless the field is given per section point.
  std::vector<double> Temperatures(int valuesPerPoint) const;
  /// `values` times the scale factor.
  std::vector<double> Scaled(std::vector<double> values) const;
  /// The user form: ", user" ends the line, then the region alone.
  void WriteUser(utl_Stream& stream, oif_KeywordLine& line) const;
  /// Values given directly: ", amplitude=NAME" when due ends the line, then
  /// the region with `values`.
  void WriteGiven(utl_Stream& stream, oif_KeywordLine& line, const std::vector<double>& values) const;
  /// ", amplitude=NAME" when the state names one.
  void Amplitude(oif_KeywordLine& line) const;
  /// ", user" for the user routine of the results-file form, ", file=NAME",
  /// and the begin and end steps and increments that are set and not 0.
  void FileParams(oif_KeywordLine& line) const;

  std::shared_ptr<const kpfC_Field> field_;
  std::size_t step_;
  cow_String regionName_;
  oif_KeywordForm form_;
  double scale_ = 1.0;
};
