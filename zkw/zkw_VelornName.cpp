#include "zkw/zkw_VelornName.h"

namespace {
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

bool zkw_VelornName::NeedsQuotes(const cow_String& name) {
  if (name.empty()) return false;
  if (!IsLetter(name[0]) && name[0] != '_') return true;
  for (char c : name)
    if (!IsLetter(c) && !IsDigit(c) && c != '_' && c != '-') return true;
  return false;
}

cow_String zkw_VelornName::QuoteIfNeeded(const cow_String& name) {
  return NeedsQuotes(name) ? "\"" + name + "\"" : name;
}

cow_String zkw_VelornName::Printable() const { return QuoteIfNeeded(name_); }

utl_Stream& operator<<(utl_Stream& stream, const zkw_VelornName& name) {
  stream.Print(name.Printable());
  return stream;
}
