#pragma once
#include "containers/cow.h"
#include "textstream/utl_Stream.h"
#include "zkw/zkw_Export.h"

/// A name as the deck must print it. A name is printed as it is when it is
/// empty or when it starts with a letter or "_" and holds only ASCII letters,
/// digits, "_" and "-"; any other name (a blank, ".", ",", "=", "*", a
/// leading digit, a non-ASCII character, ...) is enclosed in double quotes.
class ZKW_API zkw_VelornName {
 public:
  explicit zkw_VelornName(cow_String name) : name_(std::move(name)) {}

  cow_String Printable() const;
  static bool NeedsQuotes(const cow_String& name);
  static cow_String QuoteIfNeeded(const cow_String& name);

 private:
  cow_String name_;
};

ZKW_API utl_Stream& operator<<(utl_Stream& stream, const zkw_VelornName& name);
