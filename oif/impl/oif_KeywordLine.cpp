#include "oif/impl/oif_KeywordLine.h"

#include "zkw/zkw_VelornName.h"

oif_KeywordLine::oif_KeywordLine(utl_Stream& stream, const char* keyword) : stream_(stream) {
  stream_ << keyword;
}

void oif_KeywordLine::Separate() {
  stream_ << ", ";
  stream_.OptionalLineBreak();
}

oif_KeywordLine& oif_KeywordLine::Param(const char* name, const char* value) {
  Separate();
  stream_ << name << '=' << value;
  return *this;
}

oif_KeywordLine& oif_KeywordLine::Param(const char* name, const cow_String& value) {
  return Param(name, value.c_str());
}

oif_KeywordLine& oif_KeywordLine::Param(const char* name, int value) {
  if (!mdl_IsSet(value)) return *this;
  Separate();
  stream_ << name << '=' << value;
  return *this;
}

oif_KeywordLine& oif_KeywordLine::Param(const char* name, double value) {
  if (!mdl_IsSet(value)) return *this;
  Separate();
  stream_ << name << '=' << value;
  return *this;
}

oif_KeywordLine& oif_KeywordLine::Name(const char* name, const cow_String& value) {
  Separate();
  stream_ << name << '=' << zkw_VelornName(value);
  return *this;
}

oif_KeywordLine& oif_KeywordLine::ParamUnlessDefault(const char* name, double value, double defaultValue) {
  return value == defaultValue ? *this : Param(name, value);
}

oif_KeywordLine& oif_KeywordLine::ParamUnlessDefault(const char* name, int value, int defaultValue) {
  return value == defaultValue ? *this : Param(name, value);
}

oif_KeywordLine& oif_KeywordLine::Flag(const char* word) {
  Separate();
  stream_ << word;
  return *this;
}

oif_KeywordLine& oif_KeywordLine::OpNew(bool opNew) {
  if (opNew) stream_ << ", op=NEW";
  return *this;
}

void oif_KeywordLine::End() { stream_.LineBreak(); }

oif_DataLine::oif_DataLine(utl_Stream& stream, const char* separator)
    : stream_(stream), separator_(separator) {}

void oif_DataLine::Next() {
  for (; pendingEmpty_ > 0; --pendingEmpty_) stream_ << separator_;
  if (fields_ > 0) stream_ << separator_;
  ++fields_;
}

oif_DataLine& oif_DataLine::operator<<(double value) {
  if (!mdl_IsSet(value)) return Empty();
  Next();
  stream_ << value;
  return *this;
}

oif_DataLine& oif_DataLine::operator<<(float value) {
  Next();
  stream_ << value;
  return *this;
}

oif_DataLine& oif_DataLine::operator<<(int value) {
  if (!mdl_IsSet(value)) return Empty();
  Next();
  stream_ << value;
  return *this;
}

oif_DataLine& oif_DataLine::operator<<(const char* text) {
  Next();
  stream_ << text;
  return *this;
}

oif_DataLine& oif_DataLine::operator<<(const cow_String& text) { return *this << text.c_str(); }

oif_DataLine& oif_DataLine::Empty() {
  // Separators are written once a later value shows the field is not trailing.
  if (fields_ > 0) ++pendingEmpty_;
  ++fields_;
  return *this;
}

void oif_DataLine::End(bool keepTrailingEmpty) {
  if (keepTrailingEmpty)
    for (; pendingEmpty_ > 0; --pendingEmpty_) stream_ << separator_;
  pendingEmpty_ = 0;
  stream_ << endl;
}
