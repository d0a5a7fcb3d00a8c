#include "tools/oif_CommandLine.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <vector>

#include "modelfile/mfl_Check.h"

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

int oif_PrintCheckReport(const mfl_CheckReport& report, const std::string& displayName, std::FILE* out) {
  for (const mfl_ModelFileError& error : report.errors) std::fprintf(out, "%s\n", error.Describe().c_str());
  if (report.stoppedEarly && !report.errors.empty())
    std::fprintf(out, "%s: the check stopped here; there may be more errors\n", displayName.c_str());
  for (const mfl_CheckWarning& warning : report.warnings) std::fprintf(out, "%s\n", warning.Describe().c_str());
  std::fprintf(out, "%s: %s, %s\n", displayName.c_str(), Plural(report.errors.size(), "error").c_str(),
               Plural(report.warnings.size(), "warning").c_str());
  if (!report.summary.empty()) {
    std::string holds;
    for (const auto& [what, count] : report.summary) {
      if (!holds.empty()) holds += ", ";
      holds += what + " " + std::to_string(count);
    }
    std::fprintf(out, "%s %s: %s\n", displayName.c_str(),
                 report.errors.empty() ? "holds" : "holds, without the values in error", holds.c_str());
  }
  if (!report.errors.empty()) return kCheckErrors;
  return report.warnings.empty() ? kCheckClean : kCheckWarnings;
}
