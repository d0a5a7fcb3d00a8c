// The command's deck file: written beside the deck and renamed into place
// only when complete; every failure leaves an earlier deck as it was and no
// other file behind.
#include <gtest/gtest.h>

#include <csignal>
#include <string>

#if defined(__linux__)
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "oif/oif_Writer.h"
#include "temp_folder.h"
#include "test_support.h"
#include "textstream/aio_ios.h"
#include "tools/oif_DeckFile.h"

namespace {

const char* const kEarlier = "** the earlier deck\n";

/// A model whose deck is `nodes` node lines long (about 50 bytes each).
odb_Odb MeshModel(int nodes) {
  std::string coordinates;
  for (int i = 0; i < nodes; ++i) coordinates += (i ? ", " : "") + std::to_string(i) + ".5, 0, 0";
  return test::Model(R"("parts": [{"name": "P", "mesh": {"nodes": {"coordinates": [)" + coordinates +
                     R"(]}}}], "assembly": {"instances": [{"name": "P-1", "part": "P"}]})");
}

/// Writes the deck of `odb` as the command does; the error message, or ""
/// when the deck was written.
std::string WriteAsTheCommand(const odb_Odb& odb, const std::string& job) {
  try {
    oif_WriteDeckFile(job, [&odb](const std::string& tempJob) { oif_Writer(odb).WriteInputFile(tempJob.c_str()); });
  } catch (const oif_DeckFileError& error) {
    return error.what();
  }
  return "";
}

TEST(DeckFile, ReplacesTheEarlierDeckAndLeavesNothingElse) {
  test::TempFolder folder;
  test::WriteFile(folder / "job.inp", kEarlier);
  const odb_Odb odb = MeshModel(3);
  EXPECT_EQ(WriteAsTheCommand(odb, folder / "job"), "");
  EXPECT_EQ(test::ReadFile(folder / "job.inp"), test::Deck(odb));
  EXPECT_EQ(test::Names(folder.Path()), std::set<std::string>{"job.inp"});
}

TEST(DeckFile, WriterExceptionLeavesTheEarlierDeckAndNoPartialFile) {
  test::TempFolder folder;
  test::WriteFile(folder / "job.inp", kEarlier);
  // The writer had begun the file when it stopped.
  auto stops = [](const std::string& tempJob) {
    test::WriteFile(tempJob + ".inp", "*Heading\n*Part, na");
    NEX_THROW_TEXT("Unimplemented step kind");
  };
  EXPECT_THROW(oif_WriteDeckFile(folder / "job", stops), nex_TextException);
  EXPECT_EQ(test::ReadFile(folder / "job.inp"), kEarlier);
  EXPECT_EQ(test::Names(folder.Path()), std::set<std::string>{"job.inp"});
}

TEST(DeckFile, FileSystemRefusalsNameTheDeckTheFileAndTheReason) {
  const odb_Odb odb = MeshModel(3);
  {
    SCOPED_TRACE("a directory named job.inp, not empty");
    test::TempFolder folder;
    std::filesystem::create_directory(folder / "job.inp");
    test::WriteFile(folder / "job.inp/kept", kEarlier);
    EXPECT_EQ(WriteAsTheCommand(odb, folder / "job"),
              "cannot write " + folder / "job.inp" + ": it is a directory (the earlier " + folder / "job.inp" +
                  " is left as it was)");
    EXPECT_EQ(test::Names(folder.Path()), std::set<std::string>{"job.inp"});
    EXPECT_EQ(test::ReadFile(folder / "job.inp/kept"), kEarlier);
  }
  {
    SCOPED_TRACE("a folder that does not exist");
    test::TempFolder folder;
    EXPECT_EQ(WriteAsTheCommand(odb, folder / "missing/job"),
              "cannot write " + folder / "missing/job.inp" + ": creating a file in " + folder / "missing/" +
                  " failed: No such file or directory (nothing written)");
  }
  {
    SCOPED_TRACE("the writer skipped the file");
    test::TempFolder folder;
    std::string temp;
    try {
      oif_WriteDeckFile(folder / "job", [&temp](const std::string& tempJob) {
        temp = tempJob + ".inp";
        std::remove(temp.c_str());
      });
      ADD_FAILURE() << "no error";
    } catch (const oif_DeckFileError& error) {
      EXPECT_EQ(std::string(error.what()), "cannot write " + folder / "job.inp" + ": the writer did not write " +
                                               temp + ": No such file or directory (nothing written)");
    }
    EXPECT_TRUE(test::Names(folder.Path()).empty());
  }
  {
    SCOPED_TRACE("a failed write reported by the text output");
    test::TempFolder folder;
    std::string temp;
    try {
      oif_WriteDeckFile(folder / "job", [&temp](const std::string& tempJob) {
        temp = tempJob + ".inp";
        aio_IOError("Text output: writing the file failed", ENOSPC).Throw(__FILE__, __LINE__);
      });
      ADD_FAILURE() << "no error";
    } catch (const oif_DeckFileError& error) {
      EXPECT_EQ(std::string(error.what()), "cannot write " + folder / "job.inp" + ": writing " + temp +
                                               " failed: No space left on device (nothing written)");
    }
    EXPECT_TRUE(test::Names(folder.Path()).empty());
  }
}

#if defined(__linux__)
TEST(DeckFile, ReadOnlyFileSystem) {
  test::SmallFileSystem disk("size=64k");
  if (!disk.Mounted()) GTEST_SKIP() << "no right to mount a file system here";
  test::WriteFile(disk / "job.inp", kEarlier);
  ASSERT_TRUE(disk.MakeReadOnly());
  EXPECT_EQ(WriteAsTheCommand(MeshModel(3), disk / "job"),
            "cannot write " + disk / "job.inp" + ": creating a file in " + disk.Path() +
                "/ failed: Read-only file system (the earlier " + disk / "job.inp" + " is left as it was)");
  EXPECT_EQ(test::ReadFile(disk / "job.inp"), kEarlier);
  EXPECT_EQ(test::Names(disk.Path()), std::set<std::string>{"job.inp"});
}

TEST(DeckFile, ImmutableEarlierDeck) {
  test::TempFolder folder;
  test::WriteFile(folder / "job.inp", kEarlier);
  if (!test::SetImmutable(folder / "job.inp", true)) GTEST_SKIP() << "no immutable files here";
  const std::string message = WriteAsTheCommand(MeshModel(3), folder / "job");
  test::SetImmutable(folder / "job.inp", false);
  EXPECT_EQ(message.rfind("cannot write " + folder / "job.inp" + ": renaming " + folder.Path() + "/.job.oif-", 0),
            0u)
      << message;
  EXPECT_NE(message.find(".inp to it failed: Operation not permitted (the earlier " + folder / "job.inp" +
                         " is left as it was)"),
            std::string::npos)
      << message;
  EXPECT_EQ(test::ReadFile(folder / "job.inp"), kEarlier);
  EXPECT_EQ(test::Names(folder.Path()), std::set<std::string>{"job.inp"});
}

TEST(DeckFile, TerminationWhileWritingRemovesTheTemporaryFile) {
  test::TempFolder folder;
  test::WriteFile(folder / "job.inp", kEarlier);
  const std::string job = folder / "job";
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    oif_WriteDeckFile(job, [](const std::string& tempJob) {
      test::WriteFile(tempJob + ".inp", "*Heading\n*Part, na");
      ::raise(SIGTERM);
    });
    ::_exit(0);  // not reached: the signal ends the process
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
  EXPECT_EQ(test::ReadFile(folder / "job.inp"), kEarlier);
  EXPECT_EQ(test::Names(folder.Path()), std::set<std::string>{"job.inp"});
}

TEST(DeckFile, FullFileSystem) {
  test::SmallFileSystem disk("size=64k");
  if (!disk.Mounted()) GTEST_SKIP() << "no right to mount a file system here";
  test::WriteFile(disk / "job.inp", kEarlier);
  const odb_Odb odb = MeshModel(3000);
  ASSERT_GT(test::Deck(odb).size(), 128u * 1024u);
  const std::string message = WriteAsTheCommand(odb, disk / "job");
  EXPECT_EQ(message.rfind("cannot write " + disk / "job.inp" + ": writing " + disk.Path() + "/.job.oif-", 0), 0u)
      << message;
  EXPECT_NE(message.find(".inp failed: No space left on device (the earlier " + disk / "job.inp" +
                         " is left as it was)"),
            std::string::npos)
      << message;
  EXPECT_EQ(test::ReadFile(disk / "job.inp"), kEarlier);
  EXPECT_EQ(test::Names(disk.Path()), std::set<std::string>{"job.inp"});
  // With room again, the same path writes the whole deck.
  std::filesystem::remove(disk / "job.inp");
  const odb_Odb small = MeshModel(100);
  EXPECT_EQ(WriteAsTheCommand(small, disk / "job"), "");
  EXPECT_EQ(test::ReadFile(disk / "job.inp"), test::Deck(small));
}
#endif

}  // namespace
