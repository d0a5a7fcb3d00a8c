#include "oif/impl/oif_FieldKeyword.h"

#include <algorithm>
#include <cctype>

#include "oif/impl/oif_KeywordLine.h"

cow_String oif_ResultsFileName(const std::string& stored) {
  if (stored.size() <= 4) return stored;
  std::string tail = stored.substr(stored.size() - 4);
  std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return tail == ".fil" ? stored.substr(0, stored.size() - 4) : stored;
}

void oif_WriteValueLines(utl_Stream& stream, const cow_String& region, const std::vector<double>& values) {
  oif_DataLine line(stream);
  line.PerLine(8);
  line << region;
  for (double value : values) line << value;
  line.End();
}

void oif_WriteTrailingLine(utl_Stream& stream, const cow_String& region, const std::vector<double>& values) {
  oif_DataLine line(stream);
  if (!region.empty()) line << region;
  for (double value : values) line << value;
  line.Empty().End(true);
}

oif_FieldKeyword::oif_FieldKeyword(std::shared_ptr<const kpfC_Field> field, std::size_t step,
                                   const cow_String& regionName, const oif_KeywordForm& form)
    : field_(std::move(field)), step_(step), regionName_(regionName), form_(form) {}

std::vector<double> oif_FieldKeyword::Temperatures(int valuesPerPoint) const {
  std::vector<double> values = State().values.ConstGet();
  const bool perSectionPoint = field_->sectionPoints == 1 || field_->sectionPoints == 2;
  if (!perSectionPoint && !values.empty() && int(values.size()) < valuesPerPoint)
    values.resize(std::size_t(valuesPerPoint), values.back());
  return values;
}

std::vector<double> oif_FieldKeyword::Scaled(std::vector<double> values) const {
  if (scale_ != 1.0)
    for (double& value : values) value *= scale_;
  return values;
}

bool oif_FieldKeyword::Open(oif_KeywordLine& line) const {
  line.OpNew(form_.opNew);
  if (!form_.removed) return true;
  line.End();
  return false;
}

void oif_FieldKeyword::WriteUser(utl_Stream& stream, oif_KeywordLine& line) const {
  line.Flag("user").End();
  oif_WriteValueLines(stream, regionName_, {});
}

void oif_FieldKeyword::WriteGiven(utl_Stream& stream, oif_KeywordLine& line, const std::vector<double>& values) const {
  Amplitude(line);
  line.End();
  oif_WriteValueLines(stream, regionName_, values);
}

void oif_FieldKeyword::Amplitude(oif_KeywordLine& line) const {
  const auto& amplitude = State().amplitude;
  if (amplitude.IsSet() && !amplitude.ConstGet().empty()) line.Name("amplitude", amplitude.ConstGet());
}

void oif_FieldKeyword::FileParams(oif_KeywordLine& line) const {
  const kpfC_FieldState& state = State();
  if (field_->distribution == kpfC_FromFileUser) line.Flag("user");
  line.Param("file", oif_ResultsFileName(state.file.ConstGet()));
  auto number = [&](const char* name, const mdl_PropAttr<int>& attr) {
    if (attr.IsSet() && attr.ConstGet() != 0) line.Param(name, attr.ConstGet());
  };
  number("bstep", state.beginStep);
  number("binc", state.beginIncrement);
  number("estep", state.endStep);
  number("einc", state.endIncrement);
}
