#include "modelfile/mfl_InputFile.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <limits>
#include <system_error>

#include "modelfile/mfl_Json.h"

#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

std::atomic<std::uintmax_t> sizeLimit{mfl_InputFile::kDefaultSizeLimit};

[[noreturn]] void Fail(const std::string& path, const std::string& reason) {
  mfl_ModelFileError("file.open", path, "cannot read the file: " + reason).Throw(__FILE__, __LINE__);
}

void CheckSize(const std::string& path, std::uintmax_t size) {
  const std::uintmax_t limit = sizeLimit.load();
  if (limit != 0 && size > limit)
    mfl_ModelFileError("file.too-large", path,
                       "cannot read the file: it is " + std::to_string(size) + " bytes, more than the limit of " +
                           std::to_string(limit) + " bytes")
        .Throw(__FILE__, __LINE__);
}

const char* const kNotRegular = "it is not a regular file (a pipe, a device or a socket)";

}  // namespace

std::uintmax_t mfl_InputFile::SizeLimit() noexcept { return sizeLimit.load(); }
void mfl_InputFile::SetSizeLimit(std::uintmax_t bytes) noexcept { sizeLimit.store(bytes); }

bool mfl_InputFile::ParseSize(const std::string& text, std::uintmax_t& bytes) noexcept {
  std::size_t i = 0;
  std::uintmax_t value = 0;
  constexpr std::uintmax_t kMax = std::numeric_limits<std::uintmax_t>::max();
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    const unsigned digit = unsigned(text[i] - '0');
    if (value > (kMax - digit) / 10) return false;
    value = value * 10 + digit;
  }
  if (i == 0) return false;
  int shift = 0;
  if (i + 1 == text.size()) {
    switch (text[i]) {
      case 'K': case 'k': shift = 10; break;
      case 'M': case 'm': shift = 20; break;
      case 'G': case 'g': shift = 30; break;
      default: return false;
    }
  } else if (i != text.size()) {
    return false;
  }
  if (value > (kMax >> shift)) return false;
  bytes = value << shift;
  return true;
}

std::FILE* mfl_InputFile::Open(const std::string& path, std::uintmax_t& size) {
#if defined(_WIN32)
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (std::filesystem::is_directory(status)) Fail(path, "it is a directory");
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) Fail(path, kNotRegular);
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) Fail(path, std::strerror(errno));
  size = std::filesystem::file_size(path, error);
  if (error) {
    std::fclose(file);
    Fail(path, error.message());
  }
  try {
    CheckSize(path, size);
  } catch (...) {
    std::fclose(file);
    throw;
  }
  return file;
#else
  // Look before opening: opening a named pipe for reading waits for a writer.
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) Fail(path, std::strerror(errno));
  if (S_ISDIR(info.st_mode)) Fail(path, "it is a directory");
  if (!S_ISREG(info.st_mode)) Fail(path, kNotRegular);
  CheckSize(path, std::uintmax_t(info.st_size));
  // The path may name another file by now: open without waiting and look again.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) Fail(path, std::strerror(errno));
  if (::fstat(fd, &info) != 0) {
    const int error = errno;
    ::close(fd);
    Fail(path, std::strerror(error));
  }
  if (!S_ISREG(info.st_mode)) {
    ::close(fd);
    Fail(path, S_ISDIR(info.st_mode) ? "it is a directory" : kNotRegular);
  }
  size = std::uintmax_t(info.st_size);
  try {
    CheckSize(path, size);
  } catch (...) {
    ::close(fd);
    throw;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  std::FILE* file = ::fdopen(fd, "rb");
  if (file == nullptr) {
    const int error = errno;
    ::close(fd);
    Fail(path, std::strerror(error));
  }
  return file;
#endif
}
