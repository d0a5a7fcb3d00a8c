// oif: writes the solver input deck of a JSON model file, or checks the file.
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exceptions/nex_Exception.h"
#include "modelfile/mfl_Check.h"
#include "modelfile/mfl_InputFile.h"
#include "modelfile/mfl_ModelFile.h"
#include "oif/oif_Module.h"
#include "oif/oif_Writer.h"
#include "tools/oif_CommandLine.h"
#include "tools/oif_DeckFile.h"

#if defined(_WIN32)
#include <io.h>
#define OIF_ISATTY _isatty
#define OIF_FILENO _fileno
#else
#include <unistd.h>
#define OIF_ISATTY isatty
#define OIF_FILENO fileno
#endif

#ifndef OIF_VERSION
#define OIF_VERSION "0.1.0"
#endif

namespace {

enum ExitCode { kOk = 0, kBadModel = 1, kUsage = 2, kWriterError = 3, kCannotWrite = 4 };

const char* const kStdinName = "<stdin>";

const char* const kHelp =
    "Usage: oif write [OPTIONS] MODEL.json JOB      writes the deck JOB.inp\n"
    "       oif write [OPTIONS] MODEL.json -o FILE  writes the deck FILE (- for standard output)\n"
    "       oif check [OPTIONS] MODEL.json          checks the model file, writes nothing\n"
    "       oif --help | --version | COMMAND --help\n"
    "\n"
    "Writes the solver input deck of the model in MODEL.json, or checks the file\n"
    "(see docs/model-file.md for the format and docs/command.md for the command).\n"
    "MODEL.json may be - to read the model from standard input. A JOB that ends\n"
    "in .inp names the deck itself.\n"
    "\n"
    "Exit status of write: 0 deck written; 1 the model file cannot be read or is\n"
    "invalid; 2 wrong usage; 3 the writer stopped on model content it cannot\n"
    "write; 4 the deck cannot be written. With 1, 3 and 4 no deck is written and an\n"
    "earlier one is kept.\n"
    "Exit status of check: 0 no error and no warning; 1 errors; 2 wrong usage;\n"
    "5 warnings only.\n";

const char* const kWriteHelp =
    "Usage: oif write [OPTIONS] MODEL.json JOB\n"
    "       oif write [OPTIONS] MODEL.json -o FILE\n"
    "\n"
    "Writes the solver input deck of the model in MODEL.json (- reads standard\n"
    "input): JOB.inp (JOB itself when it ends in .inp), or FILE with -o (- writes\n"
    "to standard output). The deck is written to a temporary file beside it and\n"
    "renamed over an older one only when it is complete: on any failure an older\n"
    "deck stays as it was and no partial file is left.\n"
    "\n"
    "Options:\n"
    "  -o FILE, --output=FILE   the deck's file name; - for standard output\n"
    "  -q, --quiet              no summary line and no progress on standard error\n"
    "  --max-model-size=SIZE    largest model file read: bytes with an optional K,\n"
    "                           M or G (times 1024, 1024^2, 1024^3); 0 for no limit;\n"
    "                           default OIF_MAX_MODEL_SIZE from the environment, else 1G\n"
    "  -h, --help               this text\n"
    "  --                       ends the options (for file names that begin with -)\n"
    "\n"
    "After a write one line on standard error says what was written, its size and\n"
    "the time taken; on a terminal, work that takes longer than a second shows its\n"
    "progress.\n"
    "\n"
    "Exit status: 0 deck written; 1 the model file cannot be read or is invalid;\n"
    "2 wrong usage; 3 the writer stopped on model content it cannot write; 4 the\n"
    "deck cannot be written (the message gives the file and the system's reason).\n";

const char* const kCheckHelp =
    "Usage: oif check [OPTIONS] MODEL.json\n"
    "\n"
    "Checks the model file MODEL.json (- reads standard input) without writing a\n"
    "deck. Prints every error found (up to 50), each as FILE:LINE:COLUMN: error [ID]\n"
    "at POINTER: PROBLEM; then warnings about what loads but is probably wrong, in\n"
    "the same form; then the number of errors and warnings and what the model\n"
    "holds. A model that loads is also given to the writer, whose refusal is an\n"
    "error too.\n"
    "\n"
    "Options:\n"
    "  -q, --quiet              only the errors and warnings\n"
    "  --max-model-size=SIZE    as for oif write\n"
    "  -h, --help               this text\n"
    "  --                       ends the options\n"
    "\n"
    "Exit status: 0 no error and no warning; 1 errors; 2 wrong usage; 5 warnings\n"
    "only.\n";

bool Interactive() { return OIF_ISATTY(OIF_FILENO(stderr)) != 0; }

int Usage(const std::string& problem, const char* help = kHelp) {
  std::fprintf(stderr, "oif: %s\n\n%s", problem.c_str(), help);
  return kUsage;
}

/// Options and operands of a command.
struct Arguments {
  std::vector<std::string> operands;
  std::optional<std::string> output;
  bool quiet = false;
  bool help = false;
  std::string limit;
  const char* limitSource = "OIF_MAX_MODEL_SIZE";
};

/// Reads the arguments after the command; false with `problem` on wrong usage.
bool Parse(int argc, char** argv, bool allowOutput, Arguments& args, std::string& problem) {
  if (const char* environment = std::getenv("OIF_MAX_MODEL_SIZE")) args.limit = environment;
  bool options = true;
  for (int i = 2; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (!options || argument == "-" || argument.empty() || argument[0] != '-') {
      args.operands.emplace_back(argument);
    } else if (argument == "--") {
      options = false;
    } else if (argument == "-h" || argument == "--help") {
      args.help = true;
    } else if (argument == "-q" || argument == "--quiet") {
      args.quiet = true;
    } else if (argument.rfind("--max-model-size=", 0) == 0) {
      args.limit = argument.substr(std::strlen("--max-model-size="));
      args.limitSource = "--max-model-size";
    } else if (allowOutput && (argument == "-o" || argument == "--output")) {
      if (i + 1 == argc) {
        problem = std::string(argument) + " needs a file name (- for standard output)";
        return false;
      }
      args.output = argv[++i];
    } else if (allowOutput && argument.rfind("--output=", 0) == 0) {
      args.output = std::string(argument.substr(std::strlen("--output=")));
    } else if (allowOutput && argument.size() > 2 && argument.rfind("-o", 0) == 0) {
      args.output = std::string(argument.substr(2));
    } else {
      problem = "unknown option '" + std::string(argument) + "'";
      return false;
    }
  }
  if (args.output && args.output->empty()) {
    problem = "the output file name is empty";
    return false;
  }
  if (!args.limit.empty()) {
    std::uintmax_t bytes = 0;
    if (!mfl_InputFile::ParseSize(args.limit, bytes)) {
      problem = std::string(args.limitSource) + " '" + args.limit + "' is not a size such as 500M or 2G";
      return false;
    }
    mfl_InputFile::SetSizeLimit(bytes);
  }
  return true;
}

/// The model file, or standard input for "-"; `leftOut` gets the warnings of
/// what loads but the deck leaves out.
odb_Odb Load(const std::string& model, std::vector<mfl_CheckWarning>& leftOut) {
  if (model != "-") return mfl_ModelFile::Open(model, leftOut);
  std::string text, problem;
  if (!oif_ReadStandardInput(text, mfl_InputFile::SizeLimit(), problem))
    mfl_ModelFileError(problem.rfind("more than", 0) == 0 ? "file.too-large" : "file.open", kStdinName,
                       "cannot read the model: " + problem)
        .Throw(__FILE__, __LINE__);
  return mfl_ModelFile::Parse(text, kStdinName, leftOut);
}

/// A job without a name of its own: "", ".inp", or a folder ("runs/").
bool EmptyJob(const std::string& job) {
  const std::size_t slash = job.find_last_of("/\\");
  const std::string base = slash == std::string::npos ? job : job.substr(slash + 1);
  return base.empty() || base == ".inp";
}

struct Modules {
  int uses = 0;
  Modules() { DDB_OIF_initialize(uses); }
  ~Modules() { DDB_OIF_finalize(uses); }
};

int Write(const Arguments& args) {
  const auto start = std::chrono::steady_clock::now();
  const std::string& model = args.operands[0];
  const bool toStdout = args.output && *args.output == "-";
  const std::string deck = args.output ? *args.output : oif_DeckOfJob(args.operands[1]);
  oif_Progress progress(!args.quiet && Interactive());
  progress.Phase("reading " + (model == "-" ? std::string(kStdinName) : model));
  std::vector<mfl_CheckWarning> leftOut;
  const odb_Odb odb = Load(model, leftOut);
  const Modules modules;
  std::uintmax_t size = 0;
  if (toStdout) {
    const oif_ScratchFolder scratch;
    if (scratch.Path().empty()) throw oif_DeckFileError("cannot write the deck: " + scratch.Problem());
    const std::string job = scratch.Path() + "/deck";
    progress.Phase("writing the deck", job + ".inp");
    oif_Writer(odb).WriteInputFile(job.c_str());
    std::error_code ec;
    size = std::filesystem::file_size(job + ".inp", ec);
    if (ec) throw oif_DeckFileError("cannot write the deck: the writer did not write it: " + ec.message());
    progress.Stop();
#if !defined(_WIN32)
    std::signal(SIGPIPE, SIG_IGN);  // a closed pipe is a write error, and the scratch folder goes
#endif
    std::string problem;
    if (!oif_CopyToStandardOutput(job + ".inp", problem))
      throw oif_DeckFileError("cannot write the deck to standard output: " + problem);
  } else {
    oif_WriteDeckFileAt(deck, [&](const std::string& tempJob) {
      progress.Phase("writing " + deck, tempJob + ".inp");
      oif_Writer(odb).WriteInputFile(tempJob.c_str());
    });
    progress.Stop();
    std::error_code ec;
    size = std::filesystem::file_size(deck, ec);
  }
  // What the deck leaves out is said also with --quiet: nothing is dropped silently.
  for (const mfl_CheckWarning& warning : leftOut) std::fprintf(stderr, "%s\n", warning.Describe().c_str());
  if (!args.quiet)
    std::fprintf(stderr, "oif: wrote %s, %s, in %s\n", toStdout ? "the deck to standard output" : deck.c_str(),
                 oif_SizeText(size).c_str(), oif_DurationText(std::chrono::steady_clock::now() - start).c_str());
  return kOk;
}

int Check(const Arguments& args) {
  const std::string& model = args.operands[0];
  const std::string displayName = model == "-" ? kStdinName : model;
  oif_Progress progress(!args.quiet && Interactive());
  progress.Phase("checking " + displayName);
  mfl_CheckReport report;
  if (model == "-") {
    std::string text, problem;
    if (oif_ReadStandardInput(text, mfl_InputFile::SizeLimit(), problem)) {
      report = mfl_ModelCheck::Check(text, kStdinName);
    } else {
      report.errors.emplace_back("file.open", kStdinName, "cannot read the model: " + problem);
      report.stoppedEarly = true;
    }
  } else {
    report = mfl_ModelCheck::CheckFile(model);
  }
  // A model that loads goes through the writer too, into a folder of its own.
  std::string writerError;
  if (report.errors.empty() && report.model) {
    progress.Phase("writing a trial deck of " + displayName);
    writerError = oif_TrialDeckProblem(*report.model);
  }
  progress.Stop();
  return oif_PrintCheckReport(report, displayName, writerError, args.quiet, stdout);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage("no command given");
  const std::string_view command = argv[1];
  if (command == "--help" || command == "-h" || command == "help") {
    std::fputs(kHelp, stdout);
    return kOk;
  }
  if (command == "--version") {
    std::printf("oif %s (model file format %d)\n", OIF_VERSION, mfl_ModelFile::FormatVersion);
    return kOk;
  }
  if (command != "write" && command != "check")
    return Usage("unknown command '" + std::string(command) + "'");
  const bool write = command == "write";
  const char* help = write ? kWriteHelp : kCheckHelp;
  Arguments args;
  std::string problem;
  if (!Parse(argc, argv, write, args, problem)) return Usage(problem, help);
  if (args.help) {
    std::fputs(help, stdout);
    return kOk;
  }
  if (write) {
    if (args.operands.empty()) return Usage("'write' takes a model file and a job name or -o FILE", help);
    if (args.output && args.operands.size() != 1)
      return Usage("'write' takes either a job name or -o FILE, not both", help);
    if (!args.output && args.operands.size() != 2)
      return Usage("'write' takes a model file and a job name or -o FILE", help);
    if (!args.output && EmptyJob(args.operands[1])) return Usage("the job name is empty", help);
  } else if (args.operands.size() != 1) {
    return Usage("'check' takes one model file", help);
  }
  if (!write) return Check(args);
  try {
    return Write(args);
  } catch (const oif_DeckFileError& error) {
    std::fprintf(stderr, "oif: %s\n", error.what());
    return kCannotWrite;
  } catch (const mfl_ModelFileError& error) {
    std::fprintf(stderr, "oif: %s\n", error.Describe().c_str());
    if (error.Id() == "file.too-large")
      std::fprintf(stderr, "oif: --max-model-size=SIZE or OIF_MAX_MODEL_SIZE sets the limit\n");
    return kBadModel;
  } catch (const nex_Exception& error) {
    std::fprintf(stderr, "oif: error: %s (at %s:%d)\n", error.Message().c_str(), error.SourceFile().c_str(),
                 error.Line());
    return kWriterError;
  } catch (const std::bad_alloc&) {
    std::fprintf(stderr, "oif: out of memory\n");
    return kWriterError;
  }
}
