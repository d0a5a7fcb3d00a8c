#include "tools/oif_DeckFile.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "textstream/aio_ios.h"

#if defined(_WIN32)
#include <process.h>
#define OIF_GETPID _getpid
#else
#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#define OIF_GETPID getpid
#endif

namespace fs = std::filesystem;

namespace {

std::string Reason(int error) { return std::error_code(error, std::generic_category()).message(); }
std::string Reason(const std::error_code& error) { return error.message(); }

/// Flushes the file's data to the disk, so that a rename never puts an empty
/// or cut file in place after a crash, and so that a late write error (a
/// network file system, a full disk seen only now) is reported. 0 or errno.
int SaveToDisk(const std::string& path, bool directory) {
#if defined(_WIN32)
  (void)path;
  (void)directory;
  return 0;
#else
  const int fd = ::open(path.c_str(), (directory ? O_RDONLY | O_DIRECTORY : O_RDONLY) | O_CLOEXEC);
  if (fd < 0) return errno;
  const int result = ::fsync(fd) == 0 ? 0 : errno;
  ::close(fd);
  return result;
#endif
}

#if !defined(_WIN32)
/// While it lives, an interrupt, termination or hang-up signal first removes
/// the temporary file and then has the effect it had before (by default: the
/// process ends). A signal that was ignored stays ignored.
class RemoveOnSignal {
 public:
  explicit RemoveOnSignal(const std::string& path) {
    if (path.size() >= sizeof pending_) return;
    std::memcpy(pending_, path.c_str(), path.size() + 1);
    struct sigaction action {};
    action.sa_handler = &Handle;
    sigemptyset(&action.sa_mask);
    for (int i = 0; i < kCount; ++i) {
      sigaction(kSignals[i], nullptr, &previous_[i]);
      installed_[i] = previous_[i].sa_handler != SIG_IGN && sigaction(kSignals[i], &action, nullptr) == 0;
    }
  }
  ~RemoveOnSignal() {
    for (int i = 0; i < kCount; ++i)
      if (installed_[i]) sigaction(kSignals[i], &previous_[i], nullptr);
    pending_[0] = '\0';
  }
  RemoveOnSignal(const RemoveOnSignal&) = delete;
  RemoveOnSignal& operator=(const RemoveOnSignal&) = delete;

 private:
  static constexpr int kCount = 3;
  static constexpr int kSignals[kCount] = {SIGINT, SIGTERM, SIGHUP};

  static void Handle(int signal) {
    if (pending_[0] != '\0') ::unlink(pending_);
    for (int i = 0; i < kCount; ++i)
      if (kSignals[i] == signal) sigaction(signal, &previous_[i], nullptr);
    ::raise(signal);  // delivered once this handler returns
  }

  static inline char pending_[4096] = {};
  static inline struct sigaction previous_[kCount] = {};
  bool installed_[kCount] = {};
};
#endif

class Attempt {
 public:
  explicit Attempt(std::string deck) : deck_(std::move(deck)) {
    std::error_code ignored;
    existed_ = fs::exists(fs::symlink_status(deck_, ignored));
  }
  ~Attempt() {
    if (!temp_.empty()) std::remove(temp_.c_str());
  }
  Attempt(const Attempt&) = delete;
  Attempt& operator=(const Attempt&) = delete;

  /// Throws "cannot write DECK: WHAT (...)"; `what` ends in the reason.
  [[noreturn]] void Fail(const std::string& what) const {
    throw oif_DeckFileError("cannot write " + deck_ + ": " + what +
                            (existed_ ? " (the earlier " + deck_ + " is left as it was)" : " (nothing written)"));
  }

  /// Refuses a directory, device or pipe of the deck's name up front.
  void CheckTarget() const {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(deck_, error);
    if (error || !fs::exists(status) || fs::is_symlink(status) || fs::is_regular_file(status)) return;
    Fail(fs::is_directory(status) ? "it is a directory" : "it is not a regular file");
  }

  /// Creates a file of a fresh name beside the deck; returns its job name.
  std::string CreateTemp(const std::string& job) {
    const std::size_t slash = job.find_last_of("/\\");
    const std::string dir = slash == std::string::npos ? "" : job.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? job : job.substr(slash + 1);
    static unsigned counter = 0;
    int error = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
      const std::string tempJob = dir + "." + base + ".oif-" + std::to_string(OIF_GETPID()) + "-" +
                                  std::to_string(counter++);
      const std::string temp = tempJob + ".inp";
      errno = 0;
      if (std::FILE* file = std::fopen(temp.c_str(), "wx")) {
        temp_ = temp;
        std::fclose(file);
        return tempJob;
      }
      error = errno != 0 ? errno : EIO;
      if (error != EEXIST) break;
    }
    Fail("creating a file in " + (dir.empty() ? std::string("the current directory") : dir) +
         " failed: " + Reason(error));
  }

  const std::string& Temp() const { return temp_; }

  /// Saves the temporary file and renames it over the deck.
  void Commit() {
    // The writer skips a file that it cannot open: it must be there, as a file.
    std::error_code error;
    if (!fs::is_regular_file(fs::symlink_status(temp_, error)))
      Fail("the writer did not write " + temp_ + ": " + (error ? Reason(error) : Reason(ENOENT)));
    if (const int failure = SaveToDisk(temp_, false))
      Fail("saving " + temp_ + " to disk failed: " + Reason(failure));
    fs::rename(temp_, deck_, error);
    if (error) Fail("renaming " + temp_ + " to it failed: " + Reason(error));
    temp_.clear();
    const fs::path parent = fs::path(deck_).parent_path();
    SaveToDisk(parent.empty() ? "." : parent.string(), true);  // the rename itself; best effort
  }

 private:
  std::string deck_;
  std::string temp_;
  bool existed_ = false;
};

}  // namespace

void oif_WriteDeckFile(const std::string& job, const std::function<void(const std::string& tempJob)>& write) {
  Attempt attempt(job + ".inp");
  attempt.CheckTarget();
  const std::string tempJob = attempt.CreateTemp(job);
#if !defined(_WIN32)
  const RemoveOnSignal removeOnSignal(attempt.Temp());
#endif
  try {
    write(tempJob);
  } catch (const aio_IOError& error) {
    attempt.Fail("writing " + attempt.Temp() + " failed: " + Reason(error.Error()));
  }
  attempt.Commit();
}
