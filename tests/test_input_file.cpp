// Model files are read only when they are regular files within the size
// limit, checked before a byte is read.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "modelfile/mfl_InputFile.h"
#include "modelfile/mfl_ModelFile.h"
#include "temp_folder.h"

#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

/// Restores the process-wide size limit at the end of the scope.
struct SizeLimit {
  explicit SizeLimit(std::uintmax_t bytes) : previous(mfl_InputFile::SizeLimit()) {
    mfl_InputFile::SetSizeLimit(bytes);
  }
  ~SizeLimit() { mfl_InputFile::SetSizeLimit(previous); }
  std::uintmax_t previous;
};

std::string Refusal(const std::string& path) {
  try {
    mfl_ModelFile::Open(path);
  } catch (const mfl_ModelFileError& error) {
    return error.Describe();
  }
  return "";
}

const std::string kSmallModel = R"({"format": "oif-model", "version": 1})";  // 37 bytes

TEST(ModelFileInput, SizeLimitIsCheckedBeforeReading) {
  test::TempFolder folder;
  test::WriteFile(folder / "m.json", kSmallModel);
  ASSERT_EQ(kSmallModel.size(), 37u);
  EXPECT_EQ(mfl_InputFile::SizeLimit(), std::uintmax_t(1) << 30);
  {
    SizeLimit limit(36);
    EXPECT_EQ(Refusal(folder / "m.json"), folder / "m.json" +
                                              ": error [file.too-large]: cannot read the file: it is 37 bytes, "
                                              "more than the limit of 36 bytes");
  }
  {
    SizeLimit limit(37);  // exactly at the limit is fine
    EXPECT_EQ(Refusal(folder / "m.json"), "");
  }
  {
    SizeLimit none(0);
    EXPECT_EQ(Refusal(folder / "m.json"), "");
  }
}

TEST(ModelFileInput, SizesWithMultiples) {
  struct Case {
    const char* text;
    bool valid;
    std::uintmax_t bytes;
  };
  for (const Case& c : {Case{"0", true, 0}, Case{"123", true, 123}, Case{"64K", true, 65536},
                        Case{"64k", true, 65536}, Case{"512M", true, 512ull << 20}, Case{"2G", true, 2ull << 30},
                        Case{"", false, 0}, Case{"K", false, 0}, Case{"1.5G", false, 0}, Case{"-1", false, 0},
                        Case{"1T", false, 0}, Case{"10 M", false, 0}, Case{"1KB", false, 0},
                        Case{"99999999999999999999", false, 0}, Case{"17179869184G", false, 0}}) {
    SCOPED_TRACE(c.text);
    std::uintmax_t bytes = 7;
    EXPECT_EQ(mfl_InputFile::ParseSize(c.text, bytes), c.valid);
    EXPECT_EQ(bytes, c.valid ? c.bytes : 7u);
  }
}

#if !defined(_WIN32)
TEST(ModelFileInput, OnlyRegularFiles) {
  test::TempFolder folder;
  const std::string pipe = folder / "model.json";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  // Hold the pipe open for writing so that a reader that does not look first
  // would block on reading rather than on opening: the test must not hang
  // either way.
  const int writer = ::open(pipe.c_str(), O_RDWR | O_NONBLOCK);
  ASSERT_GE(writer, 0);
  EXPECT_EQ(Refusal(pipe), pipe + ": error [file.open]: cannot read the file: it is not a regular file (a pipe, a "
                                  "device or a socket)");
  ::close(writer);
  EXPECT_EQ(Refusal("/dev/null"),
            "/dev/null: error [file.open]: cannot read the file: it is not a regular file (a pipe, a device or a "
            "socket)");
  EXPECT_EQ(Refusal(folder.Path()), folder.Path() + ": error [file.open]: cannot read the file: it is a directory");
  // A link to a regular file is read.
  test::WriteFile(folder / "real.json", kSmallModel);
  std::filesystem::create_symlink(folder / "real.json", folder / "link.json");
  EXPECT_EQ(Refusal(folder / "link.json"), "");
}
#endif

}  // namespace
