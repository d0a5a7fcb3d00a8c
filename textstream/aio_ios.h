#pragma once
#include <cstddef>
#include <cstdio>
#include <string>

#include "modeldb/mdb_Export.h"

/// Output device of the text stream: an opened C file, or a string (for tests
/// and in-memory decks). Owns the file when attached with owns = true.
class MDB_API aio_ios {
 public:
  aio_ios() = default;
  ~aio_ios();
  aio_ios(const aio_ios&) = delete;
  aio_ios& operator=(const aio_ios&) = delete;

  /// Writes to `file`; closes it on close() or destruction when `owns`.
  void attach(std::FILE* file, bool owns);
  /// Appends everything written to `sink`.
  void attach(std::string& sink);

  void write(const char* data, std::size_t size);
  /// Flushes and, when owned, closes the file. Safe to call twice.
  void close();
  bool is_open() const noexcept { return file_ != nullptr || sink_ != nullptr; }

 private:
  std::FILE* file_ = nullptr;
  bool owns_ = false;
  std::string* sink_ = nullptr;
};
