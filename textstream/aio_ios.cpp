#include "textstream/aio_ios.h"

#include "exceptions/nex_Exception.h"

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
  if (std::fwrite(data, 1, size, file_) != size)
    NEX_THROW_TEXT("Text output: writing the file failed");
}

void aio_ios::close() {
  std::FILE* file = file_;
  const bool owns = owns_;
  file_ = nullptr;
  owns_ = false;
  sink_ = nullptr;
  if (file != nullptr && owns && std::fclose(file) != 0)
    NEX_THROW_TEXT("Text output: closing the file failed");
}
