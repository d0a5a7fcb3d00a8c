#pragma once
// A folder of its own for each test that touches files, so that tests running
// in parallel (and other users of the temporary folder) never meet; and small
// file systems of a given size or mode for the tests of full and read-only
// disks.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <system_error>

#if defined(__linux__)
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <unistd.h>
#endif

namespace test {

/// A fresh folder under the test temporary folder, removed with everything
/// in it at the end of the scope.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = ::testing::TempDir() + "oif-test-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "cannot create a folder from " << pattern;
    path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Path() const { return path_; }
  /// The path of `name` inside the folder.
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

/// The names in a folder.
inline std::set<std::string> Names(const std::string& folder) {
  std::set<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error))
    names.insert(entry.path().filename().string());
  return names;
}

#if defined(__linux__)
/// A small memory file system mounted on a folder of its own for the scope
/// (needs the right to mount: Mounted() is false without it).
class SmallFileSystem {
 public:
  explicit SmallFileSystem(const std::string& options) {
    mounted_ = ::mount("tmpfs", folder_.Path().c_str(), "tmpfs", 0, options.c_str()) == 0;
  }
  ~SmallFileSystem() {
    if (mounted_) ::umount2(folder_.Path().c_str(), MNT_DETACH);
  }
  bool Mounted() const { return mounted_; }
  /// Makes the mounted file system read-only.
  bool MakeReadOnly() {
    return ::mount(nullptr, folder_.Path().c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
  }
  const std::string& Path() const { return folder_.Path(); }
  std::string operator/(const std::string& name) const { return folder_ / name; }

 private:
  TempFolder folder_;
  bool mounted_ = false;
};

/// Sets or clears the immutable flag of a file; false when the file system or
/// the rights do not allow it.
inline bool SetImmutable(const std::string& path, bool immutable) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  int flags = 0;
  bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  if (done) {
    flags = immutable ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  }
  ::close(fd);
  return done;
}
#endif

}  // namespace test
