// The inspection as a user sees it: duvox run as a program, its standard
// output and standard error compared byte for byte, its exit status, and
// the files it leaves.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/cliRun.h"
#include "support/reportText.h"
#include "support/testDir.h"
#include "support/wavBuilder.h"

namespace {

class CliInspectTest : public TempDirTest {
 protected:
  CliResult run(const std::vector<std::string>& args) {
    return cliRun(args, dir_.string());
  }
  // The folder holds exactly these names.
  void expectFiles(std::vector<std::string> names) {
    std::vector<std::string> found;
    for (const auto& e : std::filesystem::directory_iterator(dir_)) {
      found.push_back(e.path().filename().string());
    }
    std::sort(found.begin(), found.end());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(found, names);
  }
};

TEST_F(CliInspectTest, WrongArgumentCountPrintsUsageOnly) {
  fileWrite(path("a.wav"), stereoWav(1, 16, 4));
  const std::vector<std::vector<std::string>> cases = {
      {}, {"a.wav", "a.wav"}, {"a.wav", "a.wav", "out.wav", "more.wav"}};
  for (const auto& args : cases) {
    SCOPED_TRACE(std::to_string(args.size()) + " arguments");
    const CliResult r = run(args);
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, sjis(kUsageText));
    expectFiles({"a.wav"});
  }
}

TEST_F(CliInspectTest, TypicalFilesAreReportedInOrder) {
  TestFmt f16;
  fileWrite(path("a.wav"), stereoWav(1, 16, 8000));
  fileWrite(path("b.wav"), stereoWav(2, 16, 2000));
  const CliResult r = run({"a.wav", "b.wav", "missing.wav/out.wav"});
  const ReportText a = canonicalReport("a.wav", f16, 32000);
  const ReportText b = canonicalReport("b.wav", f16, 8000);
  EXPECT_EQ(r.out, sjis(a.out + b.out));
  EXPECT_EQ(r.out, sjis("\nファイル名[a.wav]\n"
                        "             データ形式: 1 (1 = PCM)\n"
                        "           チャンネル数: 2\n"
                        "     サンプリング周波数: 8000 [Hz]\n"
                        "          バイト数 / 秒: 32000 [bytes/sec]\n"
                        " バイト数×チャンネル数: 4 [bytes]\n"
                        "    ビット数 / サンプル: 16 [bits/sample]\n"
                        "\n 時間=1.000\n" +
                        b.out));
  EXPECT_EQ(r.err, sjis(a.err + b.err +
                        "missing.wav/out.wav をオープンできません.\n"));
  EXPECT_EQ(r.status, kExitFailure);
}

// Every way the first input can be refused. The second input is a good file
// and is never opened or named.
TEST_F(CliInspectTest, FirstInputRejections) {
  TestFmt pcm;
  TestFmt floatFmt;
  floatFmt.tag = 3;
  floatFmt.bits = 32;
  TestFmt mp3;
  mp3.tag = 0x55;
  TestFmt extensible;
  extensible.tag = 0xfffe;
  TestFmt bits24;
  bits24.bits = 24;
  TestFmt bits0;
  bits0.bits = 0;
  const std::string name = fileNameText("x.wav");
  const std::string cutFmt =
      WavBuilder().header().chunkDeclared("fmt ", 16, fmtBody(pcm).substr(0, 10))
          .bytes();
  struct Case {
    const char* what;
    bool present;
    std::string bytes;
    std::string out;
    std::string err;
  };
  const Case cases[] = {
      {"missing", false, "", "", " x.wavをオープンできません.\n"},
      {"empty", true, "", name, " 0 で読み込み失敗.\n"},
      {"five bytes", true, "RIFF\x01", name, " 5 で読み込み失敗.\n"},
      {"text", true, "hello world, this is not a sound\n", name,
       "'WAVE' が無い.\n"},
      {"neither tag", true, "ABCDEFGHIJKLMNOP", name, "'WAVE' が無い.\n"},
      {"big-endian RIFX", true,
       WavBuilder().header("RIFX").fmt(pcm).data("abcd").bytes(), name,
       "'RIFF' フォーマットでない.\n"},
      {"floating point", true, WavBuilder().header().fmt(floatFmt).bytes(),
       name + fmtLinesText(floatFmt),
       fmtLengthText(16) + "\nこのプログラムは無圧縮PCMのみを対象とします.\n" +
           "このwavファイルの形式は 0003 です．\n"},
      {"mpeg layer 3", true, WavBuilder().header().fmt(mp3).bytes(),
       name + fmtLinesText(mp3),
       fmtLengthText(16) + "\nこのプログラムは無圧縮PCMのみを対象とします.\n" +
           "このwavファイルの形式は 0055 です．\n"},
      {"extensible", true, WavBuilder().header().fmt(extensible, 40).bytes(),
       name + fmtLinesText(extensible),
       fmtLengthText(40) + "\nこのプログラムは無圧縮PCMのみを対象とします.\n" +
           "このwavファイルの形式は FFFE です．\n"},
      {"24 bits", true, WavBuilder().header().fmt(bits24).data("").bytes(),
       name + fmtLinesText(bits24),
       fmtLengthText(16) +
           "\nこのプログラムは8/16ビットサンプリングされたものを対象とします\n" +
           "このwavファイルの bits/secは 24 です．\n"},
      {"0 bits", true, WavBuilder().header().fmt(bits0).data("").bytes(),
       name + fmtLinesText(bits0),
       fmtLengthText(16) +
           "\nこのプログラムは8/16ビットサンプリングされたものを対象とします\n" +
           "このwavファイルの bits/secは 0 です．\n"},
      {"fmt of 14 bytes", true,
       WavBuilder().header().fmt(pcm, 14).data("abcd").bytes(), name,
       fmtLengthText(14) + "'fmt ' チャンクが短い.\n"},
      {"fmt of 0 bytes", true,
       WavBuilder().header().fmt(pcm, 0).data("abcd").bytes(), name,
       fmtLengthText(0) + "'fmt ' チャンクが短い.\n"},
      {"fmt cut by end of file", true, cutFmt, name,
       fmtLengthText(16) + " 30 で読み込み失敗.\n"},
      {"no chunks", true, WavBuilder().header().bytes(), name,
       "'fmt ' チャンクが無い.\n"},
      {"no fmt", true,
       WavBuilder().header().chunk("LIST", "abcd").data("abcd").bytes(),
       name + chunkText("LIST", 4),
       dataLengthText(4) + "'fmt ' チャンクが無い.\n"},
      {"no data", true,
       WavBuilder().header().fmt(pcm).chunk("LIST", "abcd").bytes(),
       name + fmtLinesText(pcm) + chunkText("LIST", 4),
       fmtLengthText(16) + "'data' チャンクが無い.\n"},
  };
  fileWrite(path("good.wav"), stereoWav(1, 16, 4));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove(path("x.wav"));
    if (c.present) fileWrite(path("x.wav"), c.bytes);
    const CliResult r = run({"x.wav", "good.wav", "out.wav"});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_EQ(r.out, sjis(c.out));
    EXPECT_EQ(r.err, sjis(c.err));
    EXPECT_FALSE(exists("out.wav"));
  }
}

TEST_F(CliInspectTest, SecondInputFailsAfterFirstIsReported) {
  fileWrite(path("a.wav"), stereoWav(1, 16, 100));
  fileWrite(path("b.wav"), "RIFF");
  const ReportText a = canonicalReport("a.wav", TestFmt{}, 400);
  const struct {
    const char* second;
    std::string out, err;
  } cases[] = {
      {"none.wav", a.out, a.err + " none.wavをオープンできません.\n"},
      {"b.wav", a.out + fileNameText("b.wav"), a.err + " 4 で読み込み失敗.\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.second);
    const CliResult r = run({"a.wav", c.second, "out.wav"});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_EQ(r.out, sjis(c.out));
    EXPECT_EQ(r.err, sjis(c.err));
    EXPECT_FALSE(exists("out.wav"));
  }
}

// The stereo check comes only after both files have been reported in full.
TEST_F(CliInspectTest, NotStereoAfterBothReports) {
  TestFmt stereo;
  TestFmt mono;
  mono.channels = 1;
  TestFmt quad;
  quad.channels = 4;
  const struct {
    const char* what;
    TestFmt first, second;
  } cases[] = {{"mono first", mono, stereo},
               {"mono second", stereo, mono},
               {"four channels", quad, stereo}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WavBuilder().header().fmt(c.first).data(std::string(64, '\1'))
        .write(path("a.wav"));
    WavBuilder().header().fmt(c.second).data(std::string(32, '\2'))
        .write(path("b.wav"));
    const CliResult r = run({"a.wav", "b.wav", "out.wav"});
    const ReportText a = canonicalReport("a.wav", c.first, 64);
    const ReportText b = canonicalReport("b.wav", c.second, 32);
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_EQ(r.out, sjis(a.out + b.out));
    EXPECT_EQ(r.err,
              sjis(a.err + b.err + "\n入力ファイルがステレオファイルでありません!\n"));
    EXPECT_FALSE(exists("out.wav"));
  }
}

// Other chunks are reported on standard output wherever they stand; odd
// sizes are walked with and without the pad byte; an 18-byte "fmt " is read
// for its first 16 bytes and the walk goes on after all 18.
TEST_F(CliInspectTest, ChunkWalkReport) {
  TestFmt f;
  f.rate = 100;
  f.byteRate = 200;
  const std::string samples(400, '\3');
  WavBuilder()
      .header()
      .chunk("LIST", std::string(26, 'L'))
      .chunk("odd1", "abc", true)
      .fmt(f, 18)
      .chunk("odd2", "x", false)
      .data(samples)
      .chunk("id3 ", std::string(7, 'i'), true)
      .chunk("LIST", std::string(26, 'L'))
      .write(path("a.wav"));
  const CliResult r = run({"a.wav", "none.wav", "out.wav"});
  EXPECT_EQ(r.status, kExitFailure);
  EXPECT_EQ(r.out, sjis(fileNameText("a.wav") + chunkText("LIST", 26) +
                        chunkText("odd1", 3) + fmtLinesText(f) +
                        chunkText("odd2", 1) + chunkText("id3 ", 7) +
                        chunkText("LIST", 26) + playTimeText("2.000")));
  EXPECT_EQ(r.err, sjis(fmtLengthText(18) + dataLengthText(400) +
                        " none.wavをオープンできません.\n"));
}

// Sizes are unsigned: a size that would be negative as a signed number is
// printed as it stands and moves the walk past the end of the file, where it
// ends. A data chunk declared past the end is reported with its size.
TEST_F(CliInspectTest, LargeSizesAreUnsignedAndTheWalkEnds) {
  TestFmt f;
  WavBuilder()
      .header()
      .fmt(f)
      .data(std::string(32, '\0'))
      .chunkDeclared("junk", 0xfffffff8u, "")
      .write(path("a.wav"));
  WavBuilder()
      .header()
      .fmt(f)
      .chunkDeclared("data", 0x80000000u, std::string(64, '\0'))
      .write(path("b.wav"));
  const CliResult r = run({"a.wav", "b.wav", "none/out.wav"});
  EXPECT_EQ(r.status, kExitFailure);
  EXPECT_EQ(r.out, sjis(fileNameText("a.wav") + fmtLinesText(f) +
                        chunkText("junk", 4294967288u) + playTimeText("0.001") +
                        fileNameText("b.wav") + fmtLinesText(f) +
                        playTimeText("67108.864")));
  EXPECT_EQ(r.err, sjis(fmtLengthText(16) + dataLengthText(32) +
                        fmtLengthText(16) + dataLengthText(2147483648u) +
                        "none/out.wav をオープンできません.\n"));
}

TEST_F(CliInspectTest, PlayingTime) {
  const struct {
    const char* what;
    std::uint32_t rate;
    std::int64_t byteRate;
    std::uint32_t dataSize;
    const char* seconds;
  } cases[] = {
      {"400 bytes at 200/s", 50, 200, 400, "2.000"},
      {"100 bytes at 300/s", 75, 300, 100, "0.333"},
      // A declared byte rate of 0: the rate the other fields imply.
      {"byte rate 0", 8000, 0, 64000, "2.000"},
      {"byte and sample rate 0", 0, 0, 64000, "0.000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TestFmt f;
    f.rate = c.rate;
    f.byteRate = c.byteRate;
    WavBuilder().header().fmt(f).data(std::string(c.dataSize, '\0'))
        .write(path("a.wav"));
    const CliResult r = run({"a.wav", "none.wav", "out.wav"});
    EXPECT_EQ(r.out, sjis(fileNameText("a.wav") + fmtLinesText(f) +
                          playTimeText(c.seconds)));
    EXPECT_EQ(r.status, kExitFailure);
  }
}

}  // namespace
