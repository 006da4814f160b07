// What differs between platforms, checked on whichever one the tests run:
// the platform layer (common/wavPort) and the runner's reading of text
// streams that end lines with CR LF.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "common/wavPort.h"
#include "support/cliRun.h"
#include "support/testDir.h"
#include "support/wavBuilder.h"

namespace {

TEST(TextStreamToLf, EveryLineFeedNeedsItsCarriageReturn) {
  const struct {
    const char* what;
    std::string raw;
    bool ok;
    std::string text;
  } cases[] = {
      {"empty", "", true, ""},
      {"no line feed", "abc", true, "abc"},
      {"CR LF lines", "a\r\n\r\nb\r\n", true, "a\n\nb\n"},
      {"Shift_JIS bytes pass", "\x83\x5c\x82\xa0\r\n\x81\x7e", true,
       "\x83\x5c\x82\xa0\n\x81\x7e"},
      {"lone CR stays", "a\rb\r\r\n", true, "a\rb\r\n"},
      {"bare LF", "a\nb", false, ""},
      {"bare LF first", "\n", false, ""},
      {"bare LF after CR LF", "a\r\nb\n", false, ""},
      {"LF CR", "a\n\r", false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::string text = "untouched";
    EXPECT_EQ(textStreamToLf(c.raw, &text), c.ok);
    EXPECT_EQ(text, c.ok ? c.text : "untouched");
  }
}

class WavPortTest : public TempDirTest {};

// Positions past 2 GiB and 4 GiB, where a 32-bit long (Windows) would wrap.
// Seeking past the end needs no data there.
TEST_F(WavPortTest, SeekAndTellPast4GiB) {
  fileWrite(path("small.bin"), "0123456789");
  std::FILE* file = std::fopen(path("small.bin").c_str(), "rb");
  ASSERT_NE(file, nullptr);
  const WavFile closer(file);
  for (const std::int64_t pos :
       {std::int64_t{0x7fffffff} + 1, (std::int64_t{1} << 32) + 3,
        std::int64_t{5} << 32, std::int64_t{0x7fffffff} << 8}) {
    SCOPED_TRACE(pos);
    EXPECT_EQ(wavFileSeek(file, pos), 0);
    EXPECT_EQ(wavFileTell(file), pos);
    EXPECT_EQ(std::fgetc(file), EOF);
    std::clearerr(file);
    EXPECT_EQ(wavFileSeek(file, 7), 0);
    EXPECT_EQ(wavFileTell(file), 7);
    EXPECT_EQ(std::fgetc(file), '7');
  }
  EXPECT_EQ(wavFileSeek(file, -1), -1);
}

TEST_F(WavPortTest, FileMatchComparesFilesNotNames) {
  fileWrite(path("a.wav"), "a");
  fileWrite(path("b.wav"), "a");
  std::filesystem::create_directory(path("sub"));
  std::filesystem::create_hard_link(path("a.wav"), path("hard.wav"));
  std::string slashes = path("a.wav");
  for (char& c : slashes) {
    if (c == '\\') c = '/';
  }
  const struct {
    std::string other;
    int match;
  } cases[] = {
      {path("a.wav"), 1},
      {path("./a.wav"), 1},
      {path("sub/../a.wav"), 1},
      {path("hard.wav"), 1},
      {slashes, 1},
      {path("b.wav"), 0},  // same bytes, another file
      {path("missing.wav"), 0},
      {path("sub"), 0},
#ifdef _WIN32
      {path("A.WAV"), 1},
      {path(".\\a.wav"), 1},
      {path("SUB\\..\\a.Wav"), 1},
#endif
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.other);
    EXPECT_EQ(wavFileMatch(path("a.wav").c_str(), c.other.c_str()), c.match);
    EXPECT_EQ(wavFileMatch(c.other.c_str(), path("a.wav").c_str()), c.match);
  }
  EXPECT_EQ(wavFileMatch(path("missing.wav").c_str(),
                         path("missing.wav").c_str()),
            0);
}

}  // namespace
