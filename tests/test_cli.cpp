// The oif command end to end: exit statuses, messages, no deck on refusal.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

#ifdef OIF_CLI_PATH

namespace {

struct Outcome {
  int status;
  std::string err;
};

Outcome Oif(const std::string& args) {
  // One stderr file per test, so that tests running in parallel keep apart.
  const std::string errFile = ::testing::TempDir() + "oif_cli_stderr_" +
                              ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".txt";
  const std::string command = std::string(OIF_CLI_PATH) + " " + args + " 2>" + errFile + " >/dev/null";
  const int raw = std::system(command.c_str());
  std::ifstream in(errFile);
  std::stringstream text;
  text << in.rdbuf();
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, text.str()};
}

bool Exists(const std::string& path) {
  std::ifstream in(path);
  return in.good();
}

TEST(Command, WritesTheExampleDeck) {
  const std::string job = ::testing::TempDir() + "bracket";
  std::remove((job + ".inp").c_str());
  Outcome run = Oif(std::string("write ") + OIF_SOURCE_DIR + "/examples/bracket.json " + job);
  EXPECT_EQ(run.status, 0) << run.err;
  std::ifstream deck(job + ".inp");
  std::stringstream text;
  text << deck.rdbuf();
  EXPECT_EQ(text.str().rfind("*Heading\n", 0), 0u);
  EXPECT_NE(text.str().find("*Assembly, name=Assembly\n"), std::string::npos);
  std::remove((job + ".inp").c_str());
}

TEST(Command, InvalidModelFileWritesNoDeck) {
  const std::string model = ::testing::TempDir() + "bad_model.json";
  std::ofstream(model) << "{\"format\": \"oif-model\", \"version\": 1,\n \"parts\": [{\"name\": \"P\"}, {\"name\": \"P\"}]}";
  const std::string job = ::testing::TempDir() + "bad_job";
  std::remove((job + ".inp").c_str());
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
  Outcome run = Oif(std::string("write ") + OIF_SOURCE_DIR + "/examples/bracket.json /nonexistent-dir/job");
  EXPECT_EQ(run.status, 4);
  EXPECT_NE(run.err.find("/nonexistent-dir/job.inp"), std::string::npos) << run.err;
}

// A kind the writer has no form for is refused with the model file's errors,
// before a deck is started (the writer would stop on it with status 3).
TEST(Command, KindsTheWriterCannotWriteAreRefusedBeforeTheDeck) {
  const std::string model = ::testing::TempDir() + "complex_frequency.json";
  std::ofstream(model) << R"({"format": "oif-model", "version": 1,
    "steps": [{"name": "F", "kind": "frequency"}, {"name": "C", "kind": "complex frequency"}]})";
  const std::string job = ::testing::TempDir() + "refused_job";
  std::remove((job + ".inp").c_str());
  Outcome run = Oif("write " + model + " " + job);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("complex_frequency.json:2:"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("[model.unsupported] at /steps/1/kind"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("Unimplemented function to write out *Step card"), std::string::npos) << run.err;
  EXPECT_FALSE(Exists(job + ".inp"));
}

}  // namespace

#endif
