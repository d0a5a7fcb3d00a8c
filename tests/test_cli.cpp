// The oif command end to end: exit statuses, messages, no deck on refusal.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

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

}  // namespace

#endif
