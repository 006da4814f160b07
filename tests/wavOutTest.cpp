// The merge's parts called directly: the pair check, the header bytes, the
// block copy at its edges, and the failures that a user cannot easily cause.
#include "wavout/wavOut.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/cliRun.h"
#include "support/testDir.h"
#include "support/wavBuilder.h"

namespace {

WavInfo stereoInfo(std::uint16_t bits, std::uint32_t rate,
                   std::uint32_t dataSize) {
  WavInfo info;
  info.channels = 2;
  info.bitsPerSample = bits;
  info.sampleRate = rate;
  info.byteRate = rate * 2 * (bits / 8u);
  info.dataSize = dataSize;
  info.dataOffset = 44;
  return info;
}

TEST(WavFormatCheck, FirstMismatchIsReportedAndNothingSwaps) {
  const WavInfo base = stereoInfo(16, 8000, 100);
  WavInfo rate = base;
  rate.sampleRate = 11025;
  rate.bitsPerSample = 8;  // also differs; only the rate is reported
  rate.dataSize = 1000;
  WavInfo bits = base;
  bits.bitsPerSample = 8;
  bits.byteRate = 1;
  WavInfo byteRate = base;
  byteRate.byteRate = 31999;
  const struct {
    const char* name;
    WavInfo second;
    std::string err;
  } cases[] = {
      {"rate", rate, "サンプリング周波数が異なると合成できません!\n"},
      {"bits", bits, "サンプルビット数が異なると合成できません!\n"},
      {"byte rate", byteRate, "ビット当たりのバイト数が異なると合成できません!\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WavNamePair names{"a", "b"};
    WavInfoPair infos{base, c.second};
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(-1, wavFormatCheck(&names, &infos));
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(err, sjis(c.err));
    EXPECT_STREQ(names.first, "a");
    EXPECT_EQ(infos.first.dataSize, 100u);
    EXPECT_EQ(infos.second.dataSize, c.second.dataSize);
  }
}

TEST(WavFormatCheck, LongerInputComesFirst) {
  const struct {
    std::uint32_t first, second;
    bool swapped;
  } cases[] = {{100, 100, false}, {101, 100, false}, {100, 101, true},
               {0x7fffffff, 0x80000000u, true},  // compared unsigned
               {0xffffffffu, 0, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.first) + " vs " + std::to_string(c.second));
    WavNamePair names{"a", "b"};
    WavInfoPair infos{stereoInfo(16, 8000, c.first),
                      stereoInfo(16, 8000, c.second)};
    infos.second.dataOffset = 99;
    EXPECT_EQ(0, wavFormatCheck(&names, &infos));
    EXPECT_STREQ(names.first, c.swapped ? "b" : "a");
    EXPECT_STREQ(names.second, c.swapped ? "a" : "b");
    EXPECT_EQ(infos.first.dataSize, c.swapped ? c.second : c.first);
    EXPECT_EQ(infos.first.dataOffset, c.swapped ? 99 : 44);
  }
}

class WavOutFileTest : public TempDirTest {
 protected:
  std::string headerOf(const WavInfo& first) {
    const std::string name = path("header.wav");
    std::FILE* out = std::fopen(name.c_str(), "wb");
    EXPECT_NE(out, nullptr);
    EXPECT_EQ(kWavHeaderSize,
              wavHeaderWrite(out, WavInfoPair{first, WavInfo{}}));
    std::fclose(out);
    return fileRead(name);
  }
};

TEST_F(WavOutFileTest, HeaderBytes) {
  WavInfo odd = stereoInfo(16, 44100, 1001);
  odd.byteRate = 7;  // the input's own byte rate is not copied
  const struct {
    const char* name;
    WavInfo info;
    std::string want;
  } cases[] = {
      {"16-bit", stereoInfo(16, 8000, 400),
       "RIFF" + le32(436) + "WAVEfmt " + le32(16) + le16(1) + le16(2) +
           le32(8000) + le32(32000) + le16(4) + le16(16) + "data" + le32(400)},
      {"8-bit", stereoInfo(8, 22050, 10),
       "RIFF" + le32(46) + "WAVEfmt " + le32(16) + le16(1) + le16(2) +
           le32(22050) + le32(44100) + le16(2) + le16(8) + "data" + le32(10)},
      {"inconsistent byte rate", odd,
       "RIFF" + le32(1037) + "WAVEfmt " + le32(16) + le16(1) + le16(2) +
           le32(44100) + le32(176400) + le16(4) + le16(16) + "data" +
           le32(1001)},
      // No room for the RIFF size: the largest value, not a wrapped one.
      {"data near 4 GiB", stereoInfo(16, 8000, 0xfffffff0u),
       "RIFF" + le32(0xffffffffu) + "WAVEfmt " + le32(16) + le16(1) +
           le16(2) + le32(8000) + le32(32000) + le16(4) + le16(16) + "data" +
           le32(0xfffffff0u)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(headerOf(c.info), c.want);
  }
}

// The block copy against the one-frame-at-a-time model, with frame counts
// that fall on, just before and just after block edges, and inputs that end
// (short read) at such places.
TEST_F(WavOutFileTest, BlockCopyMatchesFrameModel) {
  constexpr std::uint32_t kBlock16 = 512 * 1024 / 4;  // frames per block
  struct Case {
    std::uint16_t bits;
    std::uint32_t firstFrames, firstHeld;    // declared, actually in file
    std::uint32_t secondFrames, secondHeld;  // declared, actually in file
    std::uint32_t extraBytes;  // data size beyond whole frames (first)
  };
  const Case cases[] = {
      {16, 10, 10, 4, 4, 0},
      {16, 2 * kBlock16 + 5, 2 * kBlock16 + 5, kBlock16 + 3, kBlock16 + 3, 3},
      {16, kBlock16, kBlock16, kBlock16, kBlock16, 0},
      {16, kBlock16 + 1, kBlock16 + 1, 0, 0, 1},
      {8, 2 * (2 * kBlock16) + 7, 2 * (2 * kBlock16) + 7, 2 * kBlock16 - 1,
       2 * kBlock16 - 1, 1},
      // Short reads: first input ends early, then the second.
      {16, kBlock16 + 50, kBlock16 + 10, 100, 100, 0},
      {16, kBlock16 + 50, kBlock16 + 50, kBlock16 + 20, kBlock16 - 7, 0},
      {8, 3 * kBlock16, 2 * kBlock16, 3 * kBlock16, 3 * kBlock16, 0},
      {16, 20, 0, 10, 10, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.bits) + "-bit " +
                 std::to_string(c.firstFrames) + "/" +
                 std::to_string(c.firstHeld) + " + " +
                 std::to_string(c.secondFrames) + "/" +
                 std::to_string(c.secondHeld));
    const std::uint32_t frameBytes = c.bits / 4u;
    std::string first = testSamples(1, c.bits, c.firstHeld);
    if (c.firstHeld == c.firstFrames) first += std::string(c.extraBytes, 'z');
    // A partial frame after the held ones is never written.
    else first += std::string(frameBytes - 1, 'p');
    const std::string second = testSamples(2, c.bits, c.secondHeld);
    fileWrite(path("1.raw"), first);
    fileWrite(path("2.raw"), second);

    WavInfoPair infos{
        stereoInfo(c.bits, 8000, c.firstFrames * frameBytes + c.extraBytes),
        stereoInfo(c.bits, 8000, c.secondFrames * frameBytes)};
    infos.first.dataOffset = 0;
    infos.second.dataOffset = 0;
    std::FILE* in1 = std::fopen(path("1.raw").c_str(), "rb");
    std::FILE* in2 = std::fopen(path("2.raw").c_str(), "rb");
    std::FILE* out = std::fopen(path("out.raw").c_str(), "wb");
    ASSERT_TRUE(in1 && in2 && out);
    WavFilePair files{in1, in2};
    const int result = wavDataWrite(&files, out, infos);
    std::fclose(in1);
    std::fclose(in2);
    std::fclose(out);

    // The model on the frames that are there; a short input stops the
    // output at the first frame that could not be read whole.
    std::uint32_t whole = c.firstHeld;
    if (c.secondHeld < c.secondFrames) whole = std::min(whole, c.secondHeld);
    const bool complete =
        c.firstHeld == c.firstFrames && c.secondHeld == c.secondFrames;
    EXPECT_EQ(result, complete ? 0 : -1);
    const std::string want =
        mergeModel(first.substr(0, std::size_t{whole} * frameBytes),
                   second.substr(0, std::size_t{c.secondHeld} * frameBytes),
                   c.bits);
    const std::string got = fileRead(path("out.raw"));
    EXPECT_EQ(got.size(), want.size());
    EXPECT_TRUE(got == want);
  }
}

// An input that disappears between the inspection and the merge: the output
// keeps its header, the text names the input that could not be reopened.
TEST_F(WavOutFileTest, InputThatCannotBeReopened) {
  fileWrite(path("here.wav"), stereoWav(1, 16, 10));
  const std::string here = path("here.wav");
  const std::string gone = path("gone.wav");
  const struct {
    const char* name;
    std::uint32_t hereSize, goneSize;
  } cases[] = {{"first", 40, 400}, {"second", 40, 4}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WavNamePair names{here.c_str(), gone.c_str()};
    WavInfoPair infos{stereoInfo(16, 8000, c.hereSize),
                      stereoInfo(16, 8000, c.goneSize)};
    const std::string out = path("out.wav");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(-1, wavFileWrite(&names, out.c_str(), &infos));
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(err, sjis(gone + " をオープンできません.\n"));
    const std::string written = fileRead(out);
    EXPECT_EQ(written.size(), 44u);
    EXPECT_EQ(written.substr(40), le32(std::max(c.hereSize, c.goneSize)));
  }
}

}  // namespace
