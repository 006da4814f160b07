// Inputs of several GiB, made as sparse files: a header, a few marked frames
// at chosen places, and holes that read as zeros and take no disk. Sizes past
// 2 GiB must be read and printed unsigned, the chunk walk must go on past
// them, and the merge must put the right frames at the start, across the
// 2 GiB mark, where the shorter input ends, and at the end. The output is
// real data (about 3 GB, mostly zeros) and is removed with the test folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "support/cliRun.h"
#include "support/reportText.h"
#include "support/testDir.h"
#include "support/wavBuilder.h"

namespace {

using Range = std::pair<std::uint64_t, std::uint64_t>;  // frames [first, end)

// A marked 16-bit stereo frame: the file's tag and the channel in one byte,
// the low bits of the frame index in the other.
std::string markedFrame(int tag, std::uint64_t i) {
  return {static_cast<char>(tag * 16 + 1), static_cast<char>(i & 0xff),
          static_cast<char>(tag * 16 + 2), static_cast<char>((i >> 8) & 0xff)};
}

// Writes bytes at an offset of an existing file without touching the rest.
void filePatch(const std::string& path, std::uint64_t offset,
               const std::string& bytes) {
  std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
  f.seekp(static_cast<std::streamoff>(offset));
  f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(f.good()) << path << " at " << offset;
}

std::string fileReadAt(const std::string& path, std::uint64_t offset,
                       std::size_t size) {
  std::ifstream f(path, std::ios::binary);
  f.seekg(static_cast<std::streamoff>(offset));
  std::string out(size, '\0');
  f.read(out.data(), static_cast<std::streamsize>(size));
  out.resize(static_cast<std::size_t>(f.gcount()));
  return out;
}

class BigFileTest : public TempDirTest {
 protected:
  // A canonical 16-bit stereo file at 8000 Hz whose data chunk declares and
  // holds `dataSize` bytes, with `tail` (whole chunks) after it. The frames
  // in `marked` are written; all others are zero.
  void makeSparse(const std::string& name, int tag, std::uint32_t dataSize,
                  const std::vector<Range>& marked,
                  const std::string& tail = "") {
    const std::string head =
        WavBuilder().header().fmt(TestFmt{}).bytes() + "data" + le32(dataSize);
    const std::uint64_t end = head.size() + std::uint64_t{dataSize};
    const std::uint64_t riff = end + tail.size() - 8;
    fileWrite(path(name), head.substr(0, 4) +
                              le32(static_cast<std::uint32_t>(riff)) +
                              head.substr(8));
    std::filesystem::resize_file(path(name), end);
    for (const Range& r : marked) {
      std::string frames;
      for (std::uint64_t i = r.first; i < r.second && i < dataSize / 4; ++i) {
        frames += markedFrame(tag, i);
      }
      filePatch(path(name), head.size() + 4 * r.first, frames);
    }
    if (!tail.empty()) filePatch(path(name), end, tail);
  }
};

// 3,000,000,000 bytes of data against 2,200,000,000: both past 2 GiB, the
// shorter input runs out past the 2 GiB mark, and a LIST chunk after the
// longer input's data lies past 2 GiB too.
TEST_F(BigFileTest, MergeOfInputsPastTwoGiB) {
  constexpr std::uint32_t kLong = 3000000000u;
  constexpr std::uint32_t kShort = 2200000000u;
  constexpr std::uint64_t kLongFrames = kLong / 4;
  constexpr std::uint64_t kShortFrames = kShort / 4;
  // The frame that straddles byte 2^31 of the output (44-byte header).
  constexpr std::uint64_t kMark = ((std::uint64_t{1} << 31) - 44) / 4;
  const std::vector<Range> regions = {
      {0, 8},
      {kMark - 8, kMark + 8},
      {kShortFrames - 6, kShortFrames + 6},
      {kLongFrames - 8, kLongFrames},
  };
  makeSparse("short.wav", 2, kShort, regions);
  makeSparse("long.wav", 1, kLong, regions, "LIST" + le32(4) + "INFO");
  // The inputs take no disk: only the marked pages are allocated.
  ASSERT_EQ(std::filesystem::file_size(path("long.wav")), 44u + kLong + 12);

  const CliResult r = cliRun({"short.wav", "long.wav", "out.wav"},
                             dir_.string());
  TestFmt f;
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            sjis(fileNameText("short.wav") + fmtLinesText(f) +
                 playTimeText("68750.000") + fileNameText("long.wav") +
                 fmtLinesText(f) + chunkText("LIST", 4) +
                 playTimeText("93750.000") +
                 mergedText("short.wav", "long.wav", "out.wav")));
  EXPECT_EQ(r.err, sjis(fmtLengthText(16) + dataLengthText(kShort) +
                        fmtLengthText(16) + dataLengthText(kLong)));
  EXPECT_EQ(r.err, sjis(" \"fmt \"の長さ: 16 [bytes]\n\n"
                        " \"data\" の長さ: 2200000000 [bytes]\n"
                        " \"fmt \"の長さ: 16 [bytes]\n\n"
                        " \"data\" の長さ: 3000000000 [bytes]\n"));

  const std::string out = path("out.wav");
  ASSERT_EQ(std::filesystem::file_size(out), 44u + kLong);
  EXPECT_TRUE(fileReadAt(out, 0, 44) ==
              "RIFF" + le32(kLong + 36) + "WAVE" + "fmt " + le32(16) +
                  le16(1) + le16(2) + le32(8000) + le32(32000) + le16(4) +
                  le16(16) + "data" + le32(kLong));
  // Frame by frame: the longer input's left sample, then the shorter
  // input's left sample while it lasts, then the longer input's right.
  for (const Range& range : regions) {
    const std::uint64_t first = range.first;
    const std::uint64_t end = std::min(range.second, kLongFrames);
    SCOPED_TRACE("frames from " + std::to_string(first));
    std::string want;
    for (std::uint64_t i = first; i < end; ++i) {
      const std::string l = markedFrame(1, i);
      const std::string s = markedFrame(2, i);
      want += l.substr(0, 2) + (i < kShortFrames ? s.substr(0, 2)
                                                 : l.substr(2, 2));
    }
    EXPECT_TRUE(fileReadAt(out, 44 + 4 * first, want.size()) == want);
  }
  // A frame between the marks is a hole in both inputs.
  EXPECT_TRUE(fileReadAt(out, 44 + 4 * 1000000, 4) == std::string(4, '\0'));
  std::filesystem::remove(out);
}

// The largest size a chunk can declare, odd, with its pad byte: printed as
// it stands, and the walk finds the chunk after it, past 4 GiB.
TEST_F(BigFileTest, LargestDataChunkIsWalkedPast) {
  constexpr std::uint32_t kMax = 0xffffffffu;
  makeSparse("a.wav", 1, kMax, {{0, 4}},
             std::string(1, '\0') + "LIST" + le32(4) + "INFO");
  const CliResult r = cliRun({"a.wav", "none.wav", "out.wav"}, dir_.string());
  EXPECT_EQ(r.status, kExitFailure);
  EXPECT_EQ(r.out, sjis(fileNameText("a.wav") + fmtLinesText(TestFmt{}) +
                        chunkText("LIST", 4) + playTimeText("134217.728")));
  EXPECT_EQ(r.err, sjis(fmtLengthText(16) +
                        "\n \"data\" の長さ: 4294967295 [bytes]\n" +
                        " none.wavをオープンできません.\n"));
  EXPECT_FALSE(exists("out.wav"));
}

}  // namespace
