// wavInfoRead and wavFmtRead called directly: the fields they fill and the
// results they return. The console texts are checked through the binary.
#include "wavin/wavInfo.h"

#include <gtest/gtest.h>

#include "support/testDir.h"
#include "support/wavBuilder.h"

namespace {

class WavInfoTest : public TempDirTest {
 protected:
  // Inspects `bytes` written to a file, with the report captured.
  int inspect(const std::string& bytes, WavInfo* info) {
    const std::string name = path("in.wav");
    fileWrite(name, bytes);
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    const int result = wavInfoRead(name.c_str(), info);
    out_ = ::testing::internal::GetCapturedStdout();
    err_ = ::testing::internal::GetCapturedStderr();
    return result;
  }
  std::string out_;
  std::string err_;
};

TEST_F(WavInfoTest, FillsEveryFieldFromFmtAndData) {
  TestFmt f;
  f.channels = 2;
  f.rate = 44100;
  f.bits = 16;
  f.byteRate = 12345;  // kept as declared, not recomputed
  const std::string bytes = WavBuilder()
                                .header()
                                .chunk("LIST", std::string(26, 'x'))
                                .fmt(f)
                                .data(std::string(400, '\1'))
                                .bytes();
  WavInfo info;
  ASSERT_EQ(0, inspect(bytes, &info));
  EXPECT_EQ(info.sampleRate, 44100u);
  EXPECT_EQ(info.bitsPerSample, 16u);
  EXPECT_EQ(info.channels, 2u);
  EXPECT_EQ(info.byteRate, 12345u);
  EXPECT_EQ(info.dataSize, 400u);
  EXPECT_EQ(info.dataOffset, 12 + 8 + 26 + 8 + 16 + 8);
}

TEST_F(WavInfoTest, LastFmtAndLastDataWin) {
  TestFmt mono;
  mono.channels = 1;
  TestFmt stereo;
  stereo.rate = 22050;
  const std::string bytes = WavBuilder()
                                .header()
                                .fmt(mono)
                                .data(std::string(10, '\0'))
                                .fmt(stereo)
                                .data(std::string(20, '\0'))
                                .bytes();
  WavInfo info;
  ASSERT_EQ(0, inspect(bytes, &info));
  EXPECT_EQ(info.channels, 2u);
  EXPECT_EQ(info.sampleRate, 22050u);
  EXPECT_EQ(info.dataSize, 20u);
  EXPECT_EQ(info.dataOffset, static_cast<std::int64_t>(bytes.size() - 20));
}

// The walk finds the data chunk behind odd-sized chunks whether or not their
// writer put the pad byte after them.
TEST_F(WavInfoTest, OddChunksWithAndWithoutPad) {
  for (bool pad : {true, false}) {
    SCOPED_TRACE(pad ? "padded" : "unpadded");
    const std::string bytes = WavBuilder()
                                  .header()
                                  .chunk("abcd", "xyz", pad)
                                  .fmt(TestFmt{})
                                  .chunk("junk", "q", pad)
                                  .data(std::string(8, '\0'))
                                  .bytes();
    WavInfo info;
    ASSERT_EQ(0, inspect(bytes, &info));
    EXPECT_EQ(info.dataSize, 8u);
    EXPECT_EQ(info.dataOffset, static_cast<std::int64_t>(bytes.size() - 8));
  }
}

// A size that is negative as a signed number moves the walk forward past the
// end of the file, where it ends, instead of back to the same header.
TEST_F(WavInfoTest, HugeChunkSizeEndsTheWalk) {
  const std::string bytes = WavBuilder()
                                .header()
                                .fmt(TestFmt{})
                                .data(std::string(4, '\0'))
                                .chunkDeclared("junk", 0xfffffff8u, "")
                                .bytes();
  WavInfo info;
  EXPECT_EQ(0, inspect(bytes, &info));
  EXPECT_EQ(info.dataSize, 4u);
}

TEST_F(WavInfoTest, DataSizePastEndOfFileIsKept) {
  const std::string bytes = WavBuilder()
                                .header()
                                .fmt(TestFmt{})
                                .chunkDeclared("data", 0x90000000u, "abcd")
                                .bytes();
  WavInfo info;
  ASSERT_EQ(0, inspect(bytes, &info));
  EXPECT_EQ(info.dataSize, 0x90000000u);
}

TEST_F(WavInfoTest, RejectionsReturnMinusOne) {
  TestFmt mp3;
  mp3.tag = 0x55;
  TestFmt bits24;
  bits24.bits = 24;
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"short header", "RIFF"},
      {"no WAVE", std::string("RIFF\x10\0\0\0AVI LIST", 16)},
      {"not PCM", WavBuilder().header().fmt(mp3).data("").bytes()},
      {"24 bits", WavBuilder().header().fmt(bits24).data("").bytes()},
      {"fmt of 14", WavBuilder().header().fmt(TestFmt{}, 14).data("").bytes()},
      {"no fmt", WavBuilder().header().data("abcd").bytes()},
      {"no data", WavBuilder().header().fmt(TestFmt{}).bytes()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WavInfo info;
    EXPECT_EQ(-1, inspect(c.bytes, &info));
  }
}

TEST_F(WavInfoTest, MissingFileFails) {
  WavInfo info;
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(-1, wavInfoRead(path("missing.wav").c_str(), &info));
  ::testing::internal::GetCapturedStderr();
}

}  // namespace
