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

oif_KeywordLine& oif_KeywordLine::ParamNoBreak(const char* name, const char* value) {
  stream_ << ", " << name << '=' << value;
  return *this;
}

oif_KeywordLine& oif_KeywordLine::ParamNoBreak(const char* name, const cow_String& value) {
  return ParamNoBreak(name, value.c_str());
}

oif_KeywordLine& oif_KeywordLine::ParamNoBreak(const char* name, int value) {
  if (mdl_IsSet(value)) stream_ << ", " << name << '=' << value;
  return *this;
}

oif_KeywordLine& oif_KeywordLine::ParamNoBreak(const char* name, double value) {
  if (mdl_IsSet(value)) stream_ << ", " << name << '=' << value;
  return *this;
}

oif_KeywordLine& oif_KeywordLine::NameNoBreak(const char* name, const cow_String& value) {
  stream_ << ", " << name << '=' << zkw_VelornName(value);
  return *this;
}

oif_KeywordLine& oif_KeywordLine::FlagNoBreak(const char* word) {
  stream_ << ", " << word;
  return *this;
}

oif_KeywordLine& oif_KeywordLine::Literal(const char* text) {
  stream_ << text;
  return *this;
}

oif_KeywordLine& oif_KeywordLine::Literal(const cow_String& text) { return Literal(text.c_str()); }

oif_KeywordLine& oif_KeywordLine::Literal(int value) {
  stream_ << value;
  return *this;
}

oif_KeywordLine& oif_KeywordLine::Literal(double value) {
  stream_ << value;
  return *this;
}

oif_KeywordLine& oif_KeywordLine::Break() {
  stream_.OptionalLineBreak();
  return *this;
}

oif_KeywordLine& oif_KeywordLine::Separator() {
  stream_ << ", ";
  return *this;
}

oif_KeywordLine& oif_KeywordLine::ParamThenSeparator(const char* name, const char* value) {
  stream_ << name << '=' << value << ", ";
  return *this;
}

oif_KeywordLine& oif_KeywordLine::ParamThenSeparator(const char* name, const cow_String& value) {
  return ParamThenSeparator(name, value.c_str());
}

oif_KeywordLine& oif_KeywordLine::ParamThenSeparator(const char* name, int value) {
  stream_ << name << '=' << value << ", ";
  return *this;
}

oif_KeywordLine& oif_KeywordLine::NameThenSeparator(const char* name, const cow_String& value) {
  stream_ << name << '=' << zkw_VelornName(value) << ", ";
  return *this;
}

oif_KeywordLine& oif_KeywordLine::ParamThenSeparator(const char* name, double value, const char* assign) {
  stream_ << name << assign << value << ", ";
  return *this;
}

oif_DataLine::oif_DataLine(utl_Stream& stream, const char* separator)
    : stream_(stream), separator_(separator) {}

void oif_DataLine::Boundary(int index) {
  if (perLine_ > 0 && index % perLine_ == 0)
    stream_ << endl;
  else
    stream_ << separator_;
}

void oif_DataLine::WritePending() {
  if (!heldSeparators_.empty()) {
    stream_ << heldSeparators_.c_str();
    heldSeparators_.clear();
  }
  for (int index = fields_ - pendingEmpty_; pendingEmpty_ > 0; --pendingEmpty_, ++index) Boundary(index);
}

void oif_DataLine::Next() {
  WritePending();
  if (fields_ > 0) Boundary(fields_);
  ++fields_;
}

oif_DataLine& oif_DataLine::NextSeparator(const char* separator) {
  if (pendingEmpty_ > 0 && perLine_ > 0) {
    WritePending();  // a line break may fall among them: written now
  } else {
    for (; pendingEmpty_ > 0; --pendingEmpty_) heldSeparators_ += separator_;
  }
  separator_ = separator;
  return *this;
}

oif_DataLine& oif_DataLine::Name(const cow_String& name) {
  Next();
  stream_ << zkw_VelornName(name);
  return *this;
}

oif_DataLine& oif_DataLine::QualifiedLabel(const cow_String& instance, int label) {
  Next();
  stream_ << zkw_VelornName(instance) << '.' << label;
  return *this;
}

oif_DataLine& oif_DataLine::Print(double value, int width, int precision) {
  Next();
  stream_.Print(value, width, precision);
  return *this;
}

oif_DataLine& oif_DataLine::Print(int value, int width) {
  Next();
  stream_.Print(value, width);
  return *this;
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
  if (keepTrailingEmpty) WritePending();
  pendingEmpty_ = 0;
  heldSeparators_.clear();
  stream_ << endl;
}

void oif_DataLine::Continue() {
  WritePending();
  Boundary(fields_);
}

void oif_DataLine::EndWithSeparator() {
  Continue();
  stream_ << endl;
}
