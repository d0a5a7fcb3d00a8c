#pragma once
#include <exception>
#include <string>
#include <typeinfo>

#include "modeldb/mdb_Export.h"

/// Base of every exception the model database and the writer raise.
///
/// An exception is made with its message and raised through Throw(), which
/// records the source file and line and throws the object as its own dynamic
/// type, so a handler for the derived class catches it:
///
///     nex_TextException("Unimplemented load type conversion").Throw(__FILE__, __LINE__);
class MDB_API nex_Exception : public std::exception {
 public:
  explicit nex_Exception(std::string message);
  ~nex_Exception() override;

  /// Records where the failure was detected and throws this exception.
  [[noreturn]] void Throw(const char* sourceFile, int line);

  const std::string& Message() const noexcept { return message_; }
  const std::string& SourceFile() const noexcept { return sourceFile_; }
  int Line() const noexcept { return line_; }
  /// "message (file:line)" once thrown.
  const char* what() const noexcept override;

 protected:
  [[noreturn]] virtual void Raise() const = 0;

 private:
  std::string message_;
  std::string sourceFile_;
  int line_ = 0;
  std::string what_;
};

/// A broken invariant; the message is the text of the failed condition.
class MDB_API nex_AssertException : public nex_Exception {
 public:
  using nex_Exception::nex_Exception;
  ~nex_AssertException() override;

 protected:
  [[noreturn]] void Raise() const override;
};

/// Model content the writer does not support, or a refused request; the
/// message says what.
class MDB_API nex_TextException : public nex_Exception {
 public:
  using nex_Exception::nex_Exception;
  ~nex_TextException() override;

 protected:
  [[noreturn]] void Raise() const override;
};

#define NEX_THROW_TEXT(message) nex_TextException(message).Throw(__FILE__, __LINE__)
#define NEX_ASSERT(condition) \
  do { \
    if (!(condition)) nex_AssertException(#condition).Throw(__FILE__, __LINE__); \
  } while (false)

namespace nex_detail {
MDB_API std::string TypeName(const std::type_info& type);
}

/// Checked downcast of a model object. Throws nex_AssertException naming the
/// expected and the actual type, with the given source file and line, when
/// `object` is not a `T`.
template <class T, class U>
const T& nex_canDynamicCastRef(const U& object, const char* sourceFile, int line) {
  if (auto* cast = dynamic_cast<const T*>(&object)) return *cast;
  nex_AssertException("nex_canDynamicCastRef: " + nex_detail::TypeName(typeid(object)) +
                      " is not a " + nex_detail::TypeName(typeid(T)))
      .Throw(sourceFile, line);
}
