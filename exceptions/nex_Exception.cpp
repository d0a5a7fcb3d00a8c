#include "exceptions/nex_Exception.h"

#include <cstdlib>
#include <memory>
#if defined(__GNUG__)
#include <cxxabi.h>
#endif

nex_Exception::nex_Exception(std::string message) : message_(std::move(message)), what_(message_) {}
nex_Exception::~nex_Exception() = default;

void nex_Exception::Throw(const char* sourceFile, int line) {
  sourceFile_ = sourceFile ? sourceFile : "";
  line_ = line;
  what_ = message_ + " (" + sourceFile_ + ":" + std::to_string(line_) + ")";
  Raise();
  std::terminate();  // Raise() always throws
}

const char* nex_Exception::what() const noexcept { return what_.c_str(); }

nex_AssertException::~nex_AssertException() = default;
void nex_AssertException::Raise() const { throw *this; }

nex_TextException::~nex_TextException() = default;
void nex_TextException::Raise() const { throw *this; }

std::string nex_detail::TypeName(const std::type_info& type) {
#if defined(__GNUG__)
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> demangled(
      abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
  if (status == 0 && demangled) return demangled.get();
#endif
  return type.name();
}
