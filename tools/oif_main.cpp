// oif: writes the solver input deck of a JSON model file.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "exceptions/nex_Exception.h"
#include "modelfile/mfl_InputFile.h"
#include "modelfile/mfl_ModelFile.h"
#include "oif/oif_Module.h"
#include "oif/oif_Writer.h"
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

const char* const kHelp =
    "Usage: oif write [--max-model-size=SIZE] MODEL.json JOB\n"
    "       oif --help | --version\n"
    "\n"
    "Writes the solver input deck JOB.inp of the model in MODEL.json (see\n"
    "docs/model-file.md for the model file format). The deck is written to a\n"
    "temporary file beside JOB.inp and renamed over an older JOB.inp only when\n"
    "it is complete: on any failure an older JOB.inp stays as it was and no\n"
    "partial file is left.\n"
    "\n"
    "MODEL.json must be a regular file (not a pipe or device) of at most SIZE\n"
    "bytes: --max-model-size=SIZE, else the environment variable\n"
    "OIF_MAX_MODEL_SIZE, else 1G. SIZE is a number of bytes with an optional\n"
    "K, M or G (times 1024, 1024^2, 1024^3); 0 means no limit.\n"
    "\n"
    "Exit status: 0 deck written; 1 the model file cannot be read or is invalid;\n"
    "2 wrong usage; 3 the writer stopped on model content it cannot write;\n"
    "4 JOB.inp cannot be written (the message gives the file and the system's\n"
    "reason: a read-only or full file system, a directory named JOB.inp, ...).\n";

bool Interactive() { return OIF_ISATTY(OIF_FILENO(stderr)) != 0; }

void Progress(const std::string& text) {
  if (Interactive()) std::fprintf(stderr, "%s\n", text.c_str());
}

int Usage(const char* problem) {
  std::fprintf(stderr, "oif: %s\n\n%s", problem, kHelp);
  return kUsage;
}

int Write(const std::string& modelPath, const std::string& job) {
  Progress("reading " + modelPath + " ...");
  const odb_Odb odb = mfl_ModelFile::Open(modelPath);
  const std::string deck = job + ".inp";
  Progress("writing " + deck + " ...");
  int uses = 0;
  DDB_OIF_initialize(uses);
  struct Finalize {
    int& uses;
    ~Finalize() { DDB_OIF_finalize(uses); }
  } finalize{uses};
  oif_WriteDeckFile(job, [&odb](const std::string& tempJob) { oif_Writer(odb).WriteInputFile(tempJob.c_str()); });
  Progress("wrote " + deck);
  return kOk;
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
  if (command != "write") return Usage(("unknown command '" + std::string(command) + "'").c_str());
  std::vector<std::string> operands;
  std::string limit;
  if (const char* environment = std::getenv("OIF_MAX_MODEL_SIZE")) limit = environment;
  const char* limitSource = "OIF_MAX_MODEL_SIZE";
  for (int i = 2; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument.rfind("--max-model-size=", 0) == 0) {
      limit = argument.substr(std::strlen("--max-model-size="));
      limitSource = "--max-model-size";
    } else if (argument.size() > 1 && argument[0] == '-') {
      return Usage(("unknown option '" + std::string(argument) + "'").c_str());
    } else {
      operands.emplace_back(argument);
    }
  }
  if (operands.size() != 2) return Usage("'write' takes a model file and a job name");
  if (!limit.empty()) {
    std::uintmax_t bytes = 0;
    if (!mfl_InputFile::ParseSize(limit, bytes))
      return Usage((std::string(limitSource) + " '" + limit + "' is not a size such as 500M or 2G").c_str());
    mfl_InputFile::SetSizeLimit(bytes);
  }
  try {
    return Write(operands[0], operands[1]);
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
