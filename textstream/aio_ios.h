#pragma once
#include <cstddef>
#include <cstdio>
#include <string>

#include "exceptions/nex_Exception.h"
#include "modeldb/mdb_Export.h"

/// The file refused the text: a failed write or close. The message gives the
/// operation and the system's reason ("Text output: writing the file failed:
/// No space left on device"); Error() is the errno value.
class MDB_API aio_IOError : public nex_TextException {
 public:
  aio_IOError(std::string message, int error);
  ~aio_IOError() override;
  int Error() const noexcept { return error_; }

 protected:
  [[noreturn]] void Raise() const override;

 private:
  int error_;
};

/// Output device of the text stream: an opened C file, or a string (for tests
/// and in-memory decks). Owns the file when attached with owns = true.
///
/// The device has no buffer of its own: utl_Stream collects the text in large
/// blocks and hands each block over with one write(). A file attached here is
/// therefore switched to unbuffered mode, so the C library does not copy the
/// blocks a second time.
///
/// On Linux, a regular file is handed to the disk as it grows: every
/// kWritebackBytes written start its write-back in the background, so a
/// later fsync() of a large deck waits only for the last piece.
class MDB_API aio_ios {
 public:
  /// Bytes written between two starts of write-back.
  static constexpr std::size_t kWritebackBytes = std::size_t(16) << 20;

  aio_ios() = default;
  ~aio_ios();
  aio_ios(const aio_ios&) = delete;
  aio_ios& operator=(const aio_ios&) = delete;

  /// Writes to `file`; closes it on close() or destruction when `owns`.
  /// Attach a freshly opened file: it is set unbuffered here. A device that
  /// is already attached is closed first.
  void attach(std::FILE* file, bool owns);
  /// Appends everything written to `sink`, which must outlive the device
  /// (or the next attach / close).
  void attach(std::string& sink);

  /// Hands `size` bytes to the file or the string. Throws aio_IOError when
  /// the file refuses them, nex_TextException when nothing is attached.
  void write(const char* data, std::size_t size);
  /// Detaches; closes the file when owned (throws aio_IOError when closing
  /// reports an error). Writes nothing itself: the stream flushes
  /// before. Safe to call twice.
  void close();
  bool is_open() const noexcept { return file_ != nullptr || sink_ != nullptr; }

 private:
  std::FILE* file_ = nullptr;
  bool owns_ = false;
  std::string* sink_ = nullptr;
  /// Bytes written to the file, and how many of them were handed to the
  /// disk's write-back.
  std::size_t written_ = 0;
  std::size_t handedOver_ = 0;
};
