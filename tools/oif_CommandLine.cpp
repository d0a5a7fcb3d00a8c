#include "tools/oif_CommandLine.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <vector>

#include "exceptions/nex_Exception.h"
#include "modelfile/mfl_Check.h"
#include "oif/oif_Module.h"
#include "oif/oif_Writer.h"

#if !defined(_WIN32)
#include <unistd.h>
#endif

namespace {
constexpr std::string_view kDeckSuffix = ".inp";

std::string Plural(std::size_t count, const std::string& what) {
  std::string out = std::to_string(count) + " " + what;
  if (count != 1) out += "s";
  return out;
}
}  // namespace

std::string oif_DeckOfJob(std::string_view job) {
  if (job.size() > kDeckSuffix.size() && job.substr(job.size() - kDeckSuffix.size()) == kDeckSuffix)
    return std::string(job);
  return std::string(job) + std::string(kDeckSuffix);
}

std::string oif_JobOfDeck(std::string_view deck) {
  if (deck.size() > kDeckSuffix.size() && deck.substr(deck.size() - kDeckSuffix.size()) == kDeckSuffix)
    deck.remove_suffix(kDeckSuffix.size());
  return std::string(deck);
}

std::string oif_SizeText(std::uintmax_t bytes) {
  std::string out = std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
  if (bytes >= (std::uintmax_t(1) << 20)) {
    const char* unit = "MiB";
    double value = double(bytes) / double(1 << 20);
    if (value >= 1024) {
      value /= 1024;
      unit = "GiB";
    }
    char text[32];
    std::snprintf(text, sizeof text, " (%.1f %s)", value, unit);
    out += text;
  }
  return out;
}

std::string oif_DurationText(std::chrono::steady_clock::duration duration) {
  const double seconds = std::chrono::duration<double>(duration).count();
  char text[48];
  if (seconds < 10)
    std::snprintf(text, sizeof text, "%.2f s", seconds);
  else if (seconds < 60)
    std::snprintf(text, sizeof text, "%.1f s", seconds);
  else
    std::snprintf(text, sizeof text, "%d min %d s", int(seconds / 60), int(std::fmod(seconds, 60.0)));
  return text;
}

bool oif_ReadStandardInput(std::string& text, std::uintmax_t limit, std::string& problem) {
  text.clear();
  std::vector<char> buffer(1 << 16);
  for (;;) {
    const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), stdin);
    text.append(buffer.data(), got);
    if (limit != 0 && text.size() > limit) {
      problem = "more than the limit of " + oif_SizeText(limit);
      return false;
    }
    if (got < buffer.size()) {
      if (std::ferror(stdin)) {
        problem = std::strerror(errno);
        return false;
      }
      return true;
    }
  }
}

oif_Progress::oif_Progress(bool enabled) : enabled_(enabled), start_(std::chrono::steady_clock::now()) {
  if (enabled_) thread_ = std::thread([this] { Run(); });
}

oif_Progress::~oif_Progress() { Stop(); }

void oif_Progress::Phase(const std::string& what, const std::string& watchedFile) {
  std::lock_guard<std::mutex> lock(mutex_);
  what_ = what;
  watched_ = watchedFile;
}

void oif_Progress::Stop() {
  if (!thread_.joinable()) return;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  wake_.notify_all();
  thread_.join();
  if (shown_) std::fputs("\r\033[K", stderr);
}

void oif_Progress::Run() {
  std::unique_lock<std::mutex> lock(mutex_);
  if (wake_.wait_until(lock, start_ + std::chrono::seconds(1), [this] { return stop_; })) return;
  for (;;) {
    std::string line = "\roif: ";
    line += what_;
    line += " ...";
    if (!watched_.empty()) {
      std::error_code ec;
      const std::uintmax_t size = std::filesystem::file_size(watched_, ec);
      if (!ec) {
        line += ' ';
        line += oif_SizeText(size);
      }
    }
    line += " (";
    line += oif_DurationText(std::chrono::steady_clock::now() - start_);
    line += ")\033[K";
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
    shown_ = true;
    if (wake_.wait_for(lock, std::chrono::milliseconds(250), [this] { return stop_; })) return;
  }
}

oif_ScratchFolder::oif_ScratchFolder() {
  std::error_code ec;
  const std::filesystem::path base = std::filesystem::temp_directory_path(ec);
  if (ec) {
    problem_ = "no temporary folder: " + ec.message();
    return;
  }
#if defined(_WIN32)
  for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
    const std::filesystem::path candidate =
        base / ("oif-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    if (std::filesystem::create_directory(candidate, ec)) path_ = candidate.string();
  }
  if (path_.empty()) problem_ = "cannot make a folder in " + base.string();
#else
  std::string pattern = (base / "oif-XXXXXX").string();
  if (::mkdtemp(pattern.data()))
    path_ = pattern;
  else
    problem_ = "cannot make a folder in " + base.string() + ": " + std::strerror(errno);
#endif
}

oif_ScratchFolder::~oif_ScratchFolder() {
  std::error_code ignored;
  if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

bool oif_CopyToStandardOutput(const std::string& path, std::string& problem) {
  std::FILE* in = std::fopen(path.c_str(), "rb");
  if (!in) {
    problem = "reading " + path + " failed: " + std::strerror(errno);
    return false;
  }
  std::vector<char> buffer(1 << 16);
  bool ok = true;
  for (;;) {
    const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), in);
    if (got != 0 && std::fwrite(buffer.data(), 1, got, stdout) != got) {
      problem = std::strerror(errno);
      ok = false;
      break;
    }
    if (got < buffer.size()) {
      if (std::ferror(in)) {
        problem = "reading " + path + " failed: " + std::strerror(errno);
        ok = false;
      }
      break;
    }
  }
  std::fclose(in);
  if (ok && std::fflush(stdout) != 0) {
    problem = std::strerror(errno);
    ok = false;
  }
  return ok;
}

int oif_PrintCheckReport(const mfl_CheckReport& report, const std::string& displayName,
                         const std::string& writerError, bool quiet, std::FILE* out) {
  for (const mfl_ModelFileError& error : report.errors) std::fprintf(out, "%s\n", error.Describe().c_str());
  // A file that cannot be read at all has nothing more to find.
  if (report.stoppedEarly && !report.errors.empty() && report.errors.back().Id().rfind("file.", 0) != 0)
    std::fprintf(out, "%s: the check stopped here; there may be more errors\n", displayName.c_str());
  if (!writerError.empty())
    std::fprintf(out, "%s: error [writer]: the deck cannot be written: %s\n", displayName.c_str(),
                 writerError.c_str());
  for (const mfl_CheckWarning& warning : report.warnings) std::fprintf(out, "%s\n", warning.Describe().c_str());
  const std::size_t errors = report.errors.size() + (writerError.empty() ? 0 : 1);
  if (!quiet)
    std::fprintf(out, "%s: %s, %s\n", displayName.c_str(), Plural(errors, "error").c_str(),
                 Plural(report.warnings.size(), "warning").c_str());
  if (!quiet && !report.summary.empty()) {
    std::string holds;
    for (const auto& [what, count] : report.summary) {
      if (!holds.empty()) holds += ", ";
      holds += what + " " + std::to_string(count);
    }
    std::fprintf(out, "%s %s: %s\n", displayName.c_str(),
                 report.errors.empty() ? "holds" : "holds, without the values in error", holds.c_str());
  }
  if (errors != 0) return kCheckErrors;
  return report.warnings.empty() ? kCheckClean : kCheckWarnings;
}

std::string oif_TrialDeckProblem(const odb_Odb& model) {
  const oif_ScratchFolder scratch;
  if (scratch.Path().empty()) return "";
  int uses = 0;
  DDB_OIF_initialize(uses);
  std::string problem;
  try {
    oif_Writer(model).WriteInputFile((scratch.Path() + "/deck").c_str());
  } catch (const nex_Exception& error) {
    problem = error.Message();
  }
  DDB_OIF_finalize(uses);
  return problem;
}
