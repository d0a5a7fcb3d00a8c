// The oif command end to end: exit statuses, messages, no deck on refusal.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "temp_folder.h"

#ifdef OIF_CLI_PATH

namespace {

struct Outcome {
  int status;
  std::string err;
};

/// Runs the command (with the environment settings `environment`, such as
/// "NAME=value") under a time limit; its messages are kept in a folder of
/// the call's own.
Outcome Oif(const std::string& args, const std::string& environment = "") {
  test::TempFolder folder;
  const std::string errFile = folder / "stderr.txt";
  const std::string command = "env " + environment + " timeout 60 " + std::string(OIF_CLI_PATH) + " " + args + " 2>" +
                              errFile + " >/dev/null";
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, test::ReadFile(errFile)};
}

bool Exists(const std::string& path) { return std::filesystem::exists(std::filesystem::symlink_status(path)); }

const std::string kBracket = std::string(OIF_SOURCE_DIR) + "/examples/bracket.json";
const char* const kEarlier = "** the earlier deck\n";

TEST(Command, WritesTheExampleDeck) {
  test::TempFolder folder;
  const std::string job = folder / "bracket";
  Outcome run = Oif("write " + kBracket + " " + job);
  EXPECT_EQ(run.status, 0) << run.err;
  const std::string text = test::ReadFile(job + ".inp");
  EXPECT_EQ(text.rfind("*Heading\n", 0), 0u);
  EXPECT_NE(text.find("*Assembly, name=Assembly\n"), std::string::npos);
  EXPECT_EQ(test::Names(folder.Path()), std::set<std::string>{"bracket.inp"});
}

TEST(Command, InvalidModelFileWritesNoDeck) {
  test::TempFolder folder;
  const std::string model = folder / "bad_model.json";
  test::WriteFile(model, "{\"format\": \"oif-model\", \"version\": 1,\n \"parts\": [{\"name\": \"P\"}, {\"name\": \"P\"}]}");
  const std::string job = folder / "bad_job";
  Outcome run = Oif("write " + model + " " + job);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("bad_model.json:2:"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("/parts/1/name"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("model.duplicate-name"), std::string::npos) << run.err;
  EXPECT_FALSE(Exists(job + ".inp"));
}

TEST(Command, UsageHelpVersionAndUnwritableDeck) {
  EXPECT_EQ(Oif("--help").status, 0);
  EXPECT_EQ(Oif("--version").status, 0);
  EXPECT_EQ(Oif("").status, 2);
  EXPECT_EQ(Oif("frobnicate").status, 2);
  EXPECT_EQ(Oif("write only-one-argument").status, 2);
  Outcome run = Oif("write " + kBracket + " /nonexistent-dir/job");
  EXPECT_EQ(run.status, 4);
  EXPECT_EQ(run.err,
            "oif: cannot write /nonexistent-dir/job.inp: creating a file in /nonexistent-dir/ failed: No such file or "
            "directory (nothing written)\n");
}

// A kind the writer has no form for is refused with the model file's errors,
// before a deck is started (the writer would stop on it with status 3).
TEST(Command, KindsTheWriterCannotWriteAreRefusedBeforeTheDeck) {
  test::TempFolder folder;
  const std::string model = folder / "complex_frequency.json";
  test::WriteFile(model, R"({"format": "oif-model", "version": 1,
    "steps": [{"name": "F", "kind": "frequency"}, {"name": "C", "kind": "complex frequency"}]})");
  const std::string job = folder / "refused_job";
  Outcome run = Oif("write " + model + " " + job);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("complex_frequency.json:2:"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("[model.unsupported] at /steps/1/kind"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("Unimplemented function to write out *Step card"), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(job + ".inp"));
}

TEST(Command, WriterExceptionKeepsTheEarlierDeckAndLeavesNoPartialFile) {
  test::TempFolder folder;
  const std::string model = folder / "cyclic_explicit.json";
  test::WriteFile(model, R"({"format": "oif-model", "version": 1,
    "cyclicSymmetry": {"sectors": 6, "axisStart": [0, 0, 0], "axisEnd": [0, 0, 1]},
    "steps": [{"name": "Initial", "kind": "initial"}, {"name": "E", "kind": "explicit dynamics"}]})");
  const std::string job = folder / "partial_job";
  test::WriteFile(job + ".inp", kEarlier);
  Outcome run = Oif("write " + model + " " + job);
  EXPECT_EQ(run.status, 3);
  EXPECT_NE(run.err.find("oif: error: Cyclic symmetry is not valid for Explicit."), std::string::npos) << run.err;
  EXPECT_EQ(test::ReadFile(job + ".inp"), kEarlier);
  EXPECT_EQ(test::Names(folder.Path()), (std::set<std::string>{"cyclic_explicit.json", "partial_job.inp"}));
}

TEST(Command, DirectoryNamedLikeTheDeckIsRefusedUntouched) {
  test::TempFolder folder;
  std::filesystem::create_directory(folder / "job.inp");
  test::WriteFile(folder / "job.inp/kept", kEarlier);
  Outcome run = Oif("write " + kBracket + " " + folder / "job");
  EXPECT_EQ(run.status, 4);
  EXPECT_EQ(run.err, "oif: cannot write " + folder / "job.inp" + ": it is a directory (the earlier " +
                         folder / "job.inp" + " is left as it was)\n");
  EXPECT_EQ(test::Names(folder.Path()), std::set<std::string>{"job.inp"});
  EXPECT_EQ(test::ReadFile(folder / "job.inp/kept"), kEarlier);
}

TEST(Command, ModelFileMustBeARegularFileWithinTheSizeLimit) {
  test::TempFolder folder;
  const std::string pipe = folder / "model.json";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  // The time limit stops a command that waits on the pipe (status 124).
  Outcome run = Oif("write " + pipe + " " + folder / "job");
  const std::string refusal = "oif: " + pipe +
                              ": error [file.open]: cannot read the file: it is not a regular file (a pipe, a device "
                              "or a socket)\n";
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, refusal);

  const std::string size = std::to_string(std::filesystem::file_size(kBracket));
  const std::string tooLarge = "oif: " + kBracket + ": error [file.too-large]: cannot read the file: it is " + size +
                               " bytes, more than the limit of 1024 bytes\n"
                               "oif: --max-model-size=SIZE or OIF_MAX_MODEL_SIZE sets the limit\n";
  run = Oif("write --max-model-size=1K " + kBracket + " " + folder / "job");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, tooLarge);
  run = Oif("write " + kBracket + " " + folder / "job", "OIF_MAX_MODEL_SIZE=1K");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, tooLarge);
  // The option wins over the environment; 0 is no limit.
  EXPECT_EQ(Oif("write --max-model-size=0 " + kBracket + " " + folder / "job", "OIF_MAX_MODEL_SIZE=1K").status, 0);
  EXPECT_EQ(Oif("write --max-model-size=1M " + kBracket + " " + folder / "job").status, 0);
  EXPECT_EQ(Oif("write --max-model-size=1.5G " + kBracket + " " + folder / "job").status, 2);
  EXPECT_EQ(Oif("write " + kBracket + " " + folder / "job", "OIF_MAX_MODEL_SIZE=lots").status, 2);
  EXPECT_EQ(Oif("write --frobnicate " + kBracket + " " + folder / "job").status, 2);
  EXPECT_EQ(test::Names(folder.Path()), (std::set<std::string>{"job.inp", "model.json"}));
}

#if defined(__linux__)
TEST(Command, ReadOnlyFullOrImmutableTargetKeepsTheEarlierDeck) {
  {
    SCOPED_TRACE("read-only file system");
    test::SmallFileSystem disk("size=64k");
    if (!disk.Mounted()) GTEST_SKIP() << "no right to mount a file system here";
    test::WriteFile(disk / "job.inp", kEarlier);
    ASSERT_TRUE(disk.MakeReadOnly());
    Outcome run = Oif("write " + kBracket + " " + disk / "job");
    EXPECT_EQ(run.status, 4);
    EXPECT_NE(run.err.find("failed: Read-only file system (the earlier " + disk / "job.inp"), std::string::npos)
        << run.err;
    EXPECT_EQ(test::ReadFile(disk / "job.inp"), kEarlier);
    EXPECT_EQ(test::Names(disk.Path()), std::set<std::string>{"job.inp"});
  }
  {
    SCOPED_TRACE("a full 64 KiB file system");
    test::SmallFileSystem disk("size=64k");
    ASSERT_TRUE(disk.Mounted());
    test::WriteFile(disk / "job.inp", kEarlier);
    std::string coordinates;
    for (int i = 0; i < 3000; ++i) coordinates += (i ? ", " : "") + std::to_string(i) + ".5, 0, 0";
    test::TempFolder models;
    test::WriteFile(models / "big.json",
                    R"({"format": "oif-model", "version": 1, "parts": [{"name": "P", "mesh": {"nodes": {"coordinates": [)" +
                        coordinates + R"(]}}}], "assembly": {"instances": [{"name": "P-1", "part": "P"}]}})");
    Outcome run = Oif("write " + models / "big.json" + " " + disk / "job");
    EXPECT_EQ(run.status, 4);
    EXPECT_NE(run.err.find("oif: cannot write " + disk / "job.inp" + ": writing " + disk.Path() + "/.job.oif-"),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find(".inp failed: No space left on device (the earlier " + disk / "job.inp" +
                           " is left as it was)\n"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(test::ReadFile(disk / "job.inp"), kEarlier);
    EXPECT_EQ(test::Names(disk.Path()), std::set<std::string>{"job.inp"});
  }
  {
    SCOPED_TRACE("an immutable earlier deck");
    test::TempFolder folder;
    test::WriteFile(folder / "job.inp", kEarlier);
    if (!test::SetImmutable(folder / "job.inp", true)) GTEST_SKIP() << "no immutable files here";
    Outcome run = Oif("write " + kBracket + " " + folder / "job");
    test::SetImmutable(folder / "job.inp", false);
    EXPECT_EQ(run.status, 4);
    EXPECT_NE(run.err.find("to it failed: Operation not permitted (the earlier " + folder / "job.inp"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(test::ReadFile(folder / "job.inp"), kEarlier);
    EXPECT_EQ(test::Names(folder.Path()), std::set<std::string>{"job.inp"});
  }
}
#endif

// ---- Command-line habits: -o, standard input and output, job names, quiet,
// help of each command, the summary line; oif check.

struct Ran {
  int status;
  std::string out, err;
};

/// Runs the command with `folder` as its working directory and as its
/// temporary folder (TMPDIR), `input` on standard input; standard output and
/// error are kept in a folder of the call's own.
Ran OifIn(const test::TempFolder& folder, const std::string& args, const std::string& input = "") {
  test::TempFolder io;
  test::WriteFile(io / "in", input);
  const std::string command = "cd '" + folder.Path() + "' && env TMPDIR='" + folder.Path() + "' timeout 60 " +
                              std::string(OIF_CLI_PATH) + " " + args + " <'" + io / "in" + "' >'" + io / "out" +
                              "' 2>'" + io / "err" + "'";
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, test::ReadFile(io / "out"), test::ReadFile(io / "err")};
}

/// The deck of the bracket example as `oif write MODEL JOB` writes it.
std::string BracketDeck() {
  test::TempFolder folder;
  const Ran run = OifIn(folder, "write " + kBracket + " reference");
  EXPECT_EQ(run.status, 0) << run.err;
  return test::ReadFile(folder / "reference.inp");
}

/// Checks the summary line "oif: wrote WHAT, N bytes, in T s" and gives N.
std::uintmax_t SummaryBytes(const std::string& err, const std::string& what) {
  const std::string head = "oif: wrote " + what + ", ";
  EXPECT_EQ(err.rfind(head, 0), 0u) << err;
  if (err.rfind(head, 0) != 0) return 0;
  std::size_t end = 0;
  const std::uintmax_t bytes = std::stoull(err.substr(head.size()), &end);
  const std::string rest = err.substr(head.size() + end);
  EXPECT_TRUE(rest.rfind(" bytes, in ", 0) == 0 && rest.size() > 14 && rest.compare(rest.size() - 3, 3, " s\n") == 0)
      << err;
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  return bytes;
}

TEST(CommandHabits, AJobNameEndingInInpIsNotDoubled) {
  test::TempFolder folder;
  const Ran run = OifIn(folder, "write " + kBracket + " job.inp");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(test::Names(folder.Path()), std::set<std::string>{"job.inp"});
  EXPECT_EQ(SummaryBytes(run.err, "job.inp"), std::filesystem::file_size(folder / "job.inp"));
  EXPECT_EQ(test::ReadFile(folder / "job.inp"), BracketDeck());
}

TEST(CommandHabits, OutputOptionNamesTheDeckFile) {
  const std::string deck = BracketDeck();
  test::TempFolder folder;
  for (const char* form : {"-o deck.txt", "--output=second.deck", "-othird", "-o fourth.inp", "--output fifth"}) {
    SCOPED_TRACE(form);
    const Ran run = OifIn(folder, "write " + kBracket + " " + std::string(form));
    EXPECT_EQ(run.status, 0) << run.err;
  }
  EXPECT_EQ(test::Names(folder.Path()),
            (std::set<std::string>{"deck.txt", "second.deck", "third", "fourth.inp", "fifth"}));
  for (const std::string& name : test::Names(folder.Path())) EXPECT_EQ(test::ReadFile(folder / name), deck) << name;
}

TEST(CommandHabits, DeckToStandardOutputLeavesNoFile) {
  test::TempFolder folder;
  const Ran run = OifIn(folder, "write " + kBracket + " -o -");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, BracketDeck());
  EXPECT_EQ(SummaryBytes(run.err, "the deck to standard output"), run.out.size());
  EXPECT_EQ(test::Names(folder.Path()), std::set<std::string>{});  // nor in the temporary folder
}

TEST(CommandHabits, ModelFromStandardInput) {
  test::TempFolder folder;
  Ran run = OifIn(folder, "write - piped", test::ReadFile(kBracket));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(test::ReadFile(folder / "piped.inp"), BracketDeck());

  run = OifIn(folder, "write - broken", "{\"format\": \"oif-model\",\n \"version\": 1,\n \"parts\": [{\"name\": 5}]}");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err.rfind("oif: <stdin>:3:", 0), 0u) << run.err;
  EXPECT_NE(run.err.find("error [model.type] at /parts/0/name"), std::string::npos) << run.err;
  EXPECT_EQ(test::Names(folder.Path()), std::set<std::string>{"piped.inp"});

  // Standard input in and standard output out: a filter.
  run = OifIn(folder, "write -q - -o -", test::ReadFile(kBracket));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, BracketDeck());
  EXPECT_EQ(run.err, "");
}

TEST(CommandHabits, WrongJobNamesAndOutputsAreRefused) {
  test::TempFolder folder;
  const struct {
    std::string args, says;
  } cases[] = {
      {"write " + kBracket + " ''", "oif: the job name is empty\n"},
      {"write " + kBracket + " .inp", "oif: the job name is empty\n"},
      {"write " + kBracket + " sub/", "oif: the job name is empty\n"},
      {"write " + kBracket + " job -o deck.inp", "oif: 'write' takes either a job name or -o FILE, not both\n"},
      {"write " + kBracket + " -o", "oif: -o needs a file name (- for standard output)\n"},
      {"write " + kBracket + " --output=", "oif: the output file name is empty\n"},
      {"write " + kBracket, "oif: 'write' takes a model file and a job name or -o FILE\n"},
      {"write --frobnicate " + kBracket + " job", "oif: unknown option '--frobnicate'\n"},
      {"check " + kBracket + " -o x", "oif: unknown option '-o'\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args);
    const Ran run = OifIn(folder, c.args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.substr(0, run.err.find('\n') + 1), c.says);
    EXPECT_NE(run.err.find("Usage: oif "), std::string::npos);  // the command's help follows
  }
  EXPECT_EQ(test::Names(folder.Path()), std::set<std::string>{});
}

TEST(CommandHabits, QuietWritesNothingOnStandardError) {
  test::TempFolder folder;
  for (const char* quiet : {"-q", "--quiet"}) {
    const Ran run = OifIn(folder, "write " + std::string(quiet) + " " + kBracket + " job");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
  }
  EXPECT_EQ(test::Names(folder.Path()), std::set<std::string>{"job.inp"});
}

TEST(CommandHabits, WriteSaysWhatTheDeckLeavesOutEvenWhenQuiet) {
  // A part that no instance uses has no block in the deck, and a frequency
  // step cannot write energies as history output: the deck is written
  // without them, and the command says so on standard error.
  test::TempFolder folder;
  test::WriteFile(folder / "m.json", R"({"format": "oif-model", "version": 1,
 "parts": [{"name": "Used", "mesh": {"nodes": {"coordinates": [0, 0, 0, 1, 0, 0]},
            "elements": [{"type": "T3D2", "nodesPerElement": 2, "connectivity": [1, 2]}]}},
           {"name": "Spare"}],
 "assembly": {"instances": [{"name": "U-1", "part": "Used"}]},
 "steps": [{"name": "Modes", "kind": "frequency"}],
 "outputRequests": [{"name": "H", "channel": "history", "createdIn": "Modes", "variables": ["ALLIE"]}]})");
  const std::string unusedPart =
      "m.json:4:12: warning [check.unused-part] at /parts/1: part 'Spare' is in no instance of the assembly, so "
      "the deck has no block for it\n";
  const std::string variable =
      "m.json:7:21: warning [check.output-variable] at /outputRequests/0: output variable 'ALLIE' of request 'H' "
      "cannot be written by history output of step 'Modes' (frequency); the deck leaves it out there\n";
  const Ran quiet = OifIn(folder, "write -q m.json job");
  EXPECT_EQ(quiet.status, 0);
  EXPECT_EQ(quiet.err, unusedPart + variable);
  const std::string deck = test::ReadFile(folder / "job.inp");
  EXPECT_NE(deck.find("*Instance, name=U-1, part=Used\n"), std::string::npos);
  EXPECT_EQ(deck.find("Spare"), std::string::npos);
  EXPECT_EQ(deck.find("ALLIE"), std::string::npos);
  const Ran plain = OifIn(folder, "write m.json job");
  EXPECT_EQ(plain.status, 0);
  EXPECT_EQ(plain.err.rfind(unusedPart + variable + "oif: wrote job.inp, ", 0), 0u) << plain.err;
  // The same model from standard input names it as the command does there.
  const Ran piped = OifIn(folder, "write -q - job", test::ReadFile(folder / "m.json"));
  EXPECT_EQ(piped.status, 0);
  EXPECT_NE(piped.err.find("warning [check.unused-part] at /parts/1: "), std::string::npos) << piped.err;
}

TEST(CommandHabits, EachCommandHasItsHelp) {
  test::TempFolder folder;
  Ran run = OifIn(folder, "write --help");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.rfind("Usage: oif write [OPTIONS] MODEL.json JOB\n", 0), 0u) << run.out;
  EXPECT_NE(run.out.find("-o FILE"), std::string::npos);
  run = OifIn(folder, "check -h");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out.rfind("Usage: oif check [OPTIONS] MODEL.json\n", 0), 0u) << run.out;
  run = OifIn(folder, "--help");
  EXPECT_NE(run.out.find("oif check [OPTIONS] MODEL.json"), std::string::npos) << run.out;
  // A file name that begins with "-" after "--".
  std::filesystem::copy_file(kBracket, folder / "-model.json");
  run = OifIn(folder, "write -q -- -model.json -job");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(std::filesystem::exists(folder / "-job.inp"));
}

const char* const kThreeErrors = R"({"format": "oif-model", "version": 1,
"parts": [{"name": "Rod", "mesh": {"nodes": {"coordinates": [0,0,0, 1,0,0]},
  "elements": [{"type": "T3D2", "nodesPerElement": 2, "connectivity": [1, 3]}]}}],
"assembly": {"instances": [{"name": "Rod-1", "part": "Bar"}]},
"materials": [{"name": "Steel", "density": {"table": "heavy"}}]
})";

TEST(CheckCommand, ReportsEverySeededErrorAndWritesNothing) {
  test::TempFolder folder;
  test::WriteFile(folder / "three.json", kThreeErrors);
  const Ran run = OifIn(folder, "check three.json");
  EXPECT_EQ(run.status, 1) << run.out << run.err;
  std::vector<std::string> lines;
  std::istringstream text(run.out);
  for (std::string line; std::getline(text, line);) lines.push_back(line);
  // The instance and the material left out leave the part and the material
  // unused: two warnings follow the errors.
  ASSERT_EQ(lines.size(), 7u) << run.out;
  EXPECT_EQ(lines[0].rfind("three.json:3:75: error [model.unknown-reference] at "
                           "/parts/0/mesh/elements/0/connectivity/1: ", 0), 0u) << lines[0];
  EXPECT_EQ(lines[1].rfind("three.json:4:54: error [model.unknown-reference] at /assembly/instances/0/part: ", 0), 0u)
      << lines[1];
  EXPECT_EQ(lines[2].rfind("three.json:5:54: error [model.type] at /materials/0/density/table: ", 0), 0u) << lines[2];
  EXPECT_EQ(lines[3].rfind("three.json:2:11: warning [check.unused-part] at /parts/0: ", 0), 0u) << lines[3];
  EXPECT_EQ(lines[4].rfind("three.json:5:15: warning [check.unused-material] at /materials/0: ", 0), 0u) << lines[4];
  EXPECT_EQ(lines[5], "three.json: 3 errors, 2 warnings");
  EXPECT_EQ(lines[6].rfind("three.json holds, without the values in error: parts 1, instances 0, nodes 2, elements 1, ",
                           0),
            0u)
      << lines[6];
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(test::Names(folder.Path()), std::set<std::string>{"three.json"});
}

TEST(CheckCommand, ExitStatusTellsCleanFromWarningsFromErrors) {
  test::TempFolder folder;
  test::WriteFile(folder / "clean.json", R"({"format": "oif-model", "version": 1})");
  Ran run = OifIn(folder, "check clean.json");
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(run.out.substr(0, run.out.find('\n') + 1), "clean.json: 0 errors, 0 warnings\n");

  test::WriteFile(folder / "unused.json", R"({"format": "oif-model", "version": 1, "materials": [{"name": "Spare"}]})");
  run = OifIn(folder, "check unused.json");
  EXPECT_EQ(run.status, 5) << run.out;
  EXPECT_EQ(run.out.substr(0, run.out.find('\n', run.out.find('\n') + 1) + 1),
            "unused.json:1:53: warning [check.unused-material] at /materials/0: material 'Spare' is used by no "
            "section\nunused.json: 0 errors, 1 warning\n");
  run = OifIn(folder, "check -q unused.json");
  EXPECT_EQ(run.status, 5);
  EXPECT_EQ(run.out.find("0 errors"), std::string::npos) << run.out;

  run = OifIn(folder, "check -", kThreeErrors);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out.rfind("<stdin>:3:75: error", 0), 0u) << run.out;
}

TEST(CheckCommand, BundledExamplesHaveNoErrors) {
  test::TempFolder folder;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(OIF_SOURCE_DIR) + "/examples")) {
    if (entry.path().extension() != ".json") continue;
    const Ran run = OifIn(folder, "check " + entry.path().string());
    EXPECT_NE(run.status, 1) << run.out;
    EXPECT_NE(run.out.find(entry.path().string() + ": 0 errors, "), std::string::npos) << run.out;
  }
  EXPECT_EQ(test::Names(folder.Path()), std::set<std::string>{});
}

TEST(CheckCommand, TheWritersRefusalIsAnError) {
  test::TempFolder folder;
  test::WriteFile(folder / "cyclic.json", R"({"format": "oif-model", "version": 1,
    "cyclicSymmetry": {"sectors": 6, "axisStart": [0, 0, 0], "axisEnd": [0, 0, 1]},
    "steps": [{"name": "Initial", "kind": "initial"}, {"name": "E", "kind": "explicit dynamics"}]})");
  const Ran run = OifIn(folder, "check cyclic.json");
  EXPECT_EQ(run.status, 1) << run.out;
  EXPECT_NE(run.out.find("cyclic.json: error [writer]: the deck cannot be written: Cyclic symmetry is not valid "
                         "for Explicit.\n"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("cyclic.json: 1 error, "), std::string::npos) << run.out;
  EXPECT_EQ(test::Names(folder.Path()), std::set<std::string>{"cyclic.json"});
}

}  // namespace

#endif
