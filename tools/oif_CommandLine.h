#pragma once
// Pieces of the oif command that do not depend on how the deck is put in
// place: job names, the summary line of a write, progress on a terminal,
// reading a model from standard input and the report of `oif check`.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

struct mfl_CheckReport;
class odb_Odb;

/// The deck of a job: "JOB.inp", or JOB itself when it already ends in ".inp".
std::string oif_DeckOfJob(std::string_view job);
/// The job of a deck name: without a final ".inp".
std::string oif_JobOfDeck(std::string_view deck);

/// "12 345 bytes" for a size; with "(1.5 MiB)" and the like from 1 MiB on.
std::string oif_SizeText(std::uintmax_t bytes);
/// "0.04 s", "12.3 s", "2 min 5 s".
std::string oif_DurationText(std::chrono::steady_clock::duration duration);

/// Reads all of standard input (binary). False, with `problem` set, when it
/// fails or passes `limit` bytes (0: no limit).
bool oif_ReadStandardInput(std::string& text, std::uintmax_t limit, std::string& problem);

/// Progress on standard error for work that takes longer than about a second:
/// once a second has passed, a line "oif: WHAT ..." (with the size the
/// watched file has reached) is kept up to date in place until Stop(). Quiet
/// when disabled (standard error is no terminal, or --quiet).
class oif_Progress {
 public:
  explicit oif_Progress(bool enabled);
  ~oif_Progress();
  oif_Progress(const oif_Progress&) = delete;
  oif_Progress& operator=(const oif_Progress&) = delete;

  /// What is being done now, and a file whose size shows how far it got ("" for none).
  void Phase(const std::string& what, const std::string& watchedFile = "");
  /// Clears the progress line (if one was shown) and ends the updates.
  void Stop();

 private:
  void Run();

  bool enabled_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stop_ = false;
  bool shown_ = false;
  std::string what_, watched_;
  std::chrono::steady_clock::time_point start_;
  std::thread thread_;
};

/// A folder of its own in the system's temporary folder, removed with
/// everything in it when the object goes. Path() is empty when it could not
/// be made (`Problem()` says why).
class oif_ScratchFolder {
 public:
  oif_ScratchFolder();
  ~oif_ScratchFolder();
  oif_ScratchFolder(const oif_ScratchFolder&) = delete;
  oif_ScratchFolder& operator=(const oif_ScratchFolder&) = delete;
  const std::string& Path() const noexcept { return path_; }
  const std::string& Problem() const noexcept { return problem_; }

 private:
  std::string path_, problem_;
};

/// Copies a file to standard output. False, with `problem` set, when reading
/// or writing fails (a closed pipe, a full disk).
bool oif_CopyToStandardOutput(const std::string& path, std::string& problem);

/// Writes a trial deck of `model` into a scratch folder of its own, removed
/// afterwards, setting the writer's modules up and down around it. Gives the
/// writer's message when it stops; "" when the deck was written (or when no
/// scratch folder could be made: the check then has nothing to say of it).
std::string oif_TrialDeckProblem(const odb_Odb& model);

/// Exit statuses of `oif check`.
enum oif_CheckStatus { kCheckClean = 0, kCheckErrors = 1, kCheckWarnings = 5 };

/// Prints the report of `oif check` (errors, warnings, the counts of problems
/// and what the model holds) and gives the exit status.
/// `writerError` is the writer's refusal of a model that loads ("" for none);
/// with `quiet` only the errors and warnings are printed.
int oif_PrintCheckReport(const mfl_CheckReport& report, const std::string& displayName,
                         const std::string& writerError, bool quiet, std::FILE* out);
