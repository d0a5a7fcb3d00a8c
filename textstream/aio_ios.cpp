#include "textstream/aio_ios.h"

#include <cerrno>
#include <cstring>

#if defined(__linux__)
#include <fcntl.h>
#endif

#include "exceptions/nex_Exception.h"

aio_IOError::aio_IOError(std::string message, int error)
    : nex_TextException(std::move(message) + ": " + std::strerror(error)), error_(error) {}
aio_IOError::~aio_IOError() = default;
void aio_IOError::Raise() const { throw *this; }

namespace {
[[noreturn]] void ThrowIOError(const char* what, int error, int line) {
  aio_IOError(what, error != 0 ? error : EIO).Throw(__FILE__, line);
}
}  // namespace

aio_ios::~aio_ios() {
  // A destructor must not throw; a failing fclose of an owned file is lost
  // here. Call close() to see it.
  if (file_ != nullptr && owns_) std::fclose(file_);
}

void aio_ios::attach(std::FILE* file, bool owns) {
  NEX_ASSERT(file != nullptr);
  close();
  // The stream hands over whole blocks; a second buffer in the C library
  // would only copy them again.
  std::fflush(file);
  std::setvbuf(file, nullptr, _IONBF, 0);
  file_ = file;
  owns_ = owns;
  written_ = 0;
  handedOver_ = 0;
}

void aio_ios::attach(std::string& sink) {
  close();
  sink_ = &sink;
}

void aio_ios::write(const char* data, std::size_t size) {
  if (size == 0) return;
  if (sink_ != nullptr) {
    sink_->append(data, size);
    return;
  }
  if (file_ == nullptr) NEX_THROW_TEXT("Text output: no file or string attached");
  errno = 0;
  if (std::fwrite(data, 1, size, file_) != size)
    ThrowIOError("Text output: writing the file failed", errno, __LINE__);
  written_ += size;
#if defined(__linux__)
  if (written_ - handedOver_ >= kWritebackBytes) {
    // Only a hint: a pipe or a terminal refuses it, and nothing depends on it.
    ::sync_file_range(::fileno(file_), off64_t(handedOver_), off64_t(written_ - handedOver_), SYNC_FILE_RANGE_WRITE);
    handedOver_ = written_;
  }
#endif
}

void aio_ios::close() {
  std::FILE* file = file_;
  const bool owns = owns_;
  file_ = nullptr;
  owns_ = false;
  sink_ = nullptr;
  if (file == nullptr || !owns) return;
  errno = 0;
  if (std::fclose(file) != 0) ThrowIOError("Text output: closing the file failed", errno, __LINE__);
}
