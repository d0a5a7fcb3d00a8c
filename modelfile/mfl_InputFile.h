#pragma once
// Opening a model file for reading: regular files only, within a size limit,
// checked before a byte is read (a named pipe is refused at once instead of
// waiting for a writer; a huge file is refused before it is read whole).
#include <cstdint>
#include <cstdio>
#include <string>

class mfl_InputFile {
 public:
  /// Largest model file read by default: 1 GiB (a model of about ten
  /// million elements).
  static constexpr std::uintmax_t kDefaultSizeLimit = std::uintmax_t(1) << 30;

  /// The limit in bytes; 0 means none. Process-wide: set it once, before
  /// reading (the command sets it from its option or environment variable).
  static std::uintmax_t SizeLimit() noexcept;
  static void SetSizeLimit(std::uintmax_t bytes) noexcept;

  /// Reads "123", "64K", "512M", "2G" (binary multiples: K = 1024) into
  /// `bytes`; false for anything else (or a value too large to hold).
  static bool ParseSize(const std::string& text, std::uintmax_t& bytes) noexcept;

  /// Opens `path` for reading and gives its size. Refuses, with
  /// mfl_ModelFileError "file.open" ("cannot read the file: REASON"), a path
  /// that does not exist or cannot be opened, a directory, and anything that
  /// is not a regular file; with "file.too-large", a file over the limit.
  /// The caller closes the file.
  static std::FILE* Open(const std::string& path, std::uintmax_t& size);
};
