// The merge as a user sees it: the output file's bytes, the texts, the exit
// status and what is left on disk after each kind of failure.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/cliRun.h"
#include "support/reportText.h"
#include "support/testDir.h"
#include "support/wavBuilder.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// The 44-byte header the output must start with, written out field by field.
std::string outputHeader(std::uint16_t bits, std::uint32_t rate,
                         std::uint32_t dataSize) {
  const std::uint16_t align = static_cast<std::uint16_t>(2 * bits / 8);
  return "RIFF" + le32(dataSize + 36) + "WAVE" + "fmt " + le32(16) + le16(1) +
         le16(2) + le32(rate) + le32(rate * align) + le16(align) + le16(bits) +
         "data" + le32(dataSize);
}

class CliMergeTest : public TempDirTest {
 protected:
  CliResult run(const std::vector<std::string>& args) {
    return cliRun(args, dir_.string());
  }
  // Writes a canonical stereo file with `dataSize` bytes of test samples
  // (the last frame possibly partial) and returns those bytes.
  std::string makeInput(const std::string& name, int tag, std::uint16_t bits,
                        std::uint32_t dataSize, std::uint32_t rate = 8000) {
    const std::uint32_t frame = bits / 4u;
    std::string samples = testSamples(tag, bits, dataSize / frame + 1);
    samples.resize(dataSize);
    TestFmt f;
    f.bits = bits;
    f.rate = rate;
    WavBuilder().header().fmt(f).data(samples).write(path(name));
    return samples;
  }
  ReportText reportOf(const std::string& name, std::uint16_t bits,
                      std::uint32_t dataSize, std::uint32_t rate = 8000) {
    TestFmt f;
    f.bits = bits;
    f.rate = rate;
    return canonicalReport(name, f, dataSize);
  }
};

TEST_F(CliMergeTest, MergesFrameByFrame) {
  struct Case {
    const char* what;
    std::uint16_t bits;
    std::uint32_t size1, size2;  // data bytes of the 1st and 2nd argument
  };
  const Case cases[] = {
      {"16-bit, equal lengths", 16, 4000, 4000},
      {"16-bit, first three times longer", 16, 96000, 32000},
      {"16-bit, second longer: swapped", 16, 32000, 96000},
      {"8-bit, second longer: swapped", 8, 1000, 3000},
      {"8-bit, equal lengths", 8, 2002, 2002},
      {"16-bit, 4n+3 bytes", 16, 4 * 25 + 3, 40},
      {"16-bit, first smaller than a frame", 16, 3, 0},
      {"8-bit, first smaller than a frame", 8, 1, 1},
      {"16-bit, empty second", 16, 400, 0},
      {"16-bit, empty first: swapped", 16, 0, 400},
      {"16-bit, second not whole frames", 16, 400, 4 * 10 + 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string d1 = makeInput("one.wav", 1, c.bits, c.size1);
    const std::string d2 = makeInput("two.wav", 2, c.bits, c.size2);
    std::filesystem::remove(path("out.wav"));
    const CliResult r = run({"one.wav", "two.wav", "out.wav"});
    const ReportText a = reportOf("one.wav", c.bits, c.size1);
    const ReportText b = reportOf("two.wav", c.bits, c.size2);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, sjis(a.out + b.out +
                          mergedText("one.wav", "two.wav", "out.wav")));
    EXPECT_EQ(r.err, sjis(a.err + b.err));
    const bool swap = c.size2 > c.size1;
    const std::string& longer = swap ? d2 : d1;
    const std::string& shorter = swap ? d1 : d2;
    const std::string want =
        outputHeader(c.bits, 8000, static_cast<std::uint32_t>(longer.size())) +
        mergeModel(longer, shorter, c.bits);
    EXPECT_TRUE(fileRead(path("out.wav")) == want);
  }
}

// One file as both inputs: no swap, its left channel on both sides.
TEST_F(CliMergeTest, SameFileAsBothInputs) {
  const std::string d = makeInput("a.wav", 1, 16, 400);
  const CliResult r = run({"a.wav", "a.wav", "out.wav"});
  const ReportText a = reportOf("a.wav", 16, 400);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, sjis(a.out + a.out + mergedText("a.wav", "a.wav", "out.wav")));
  EXPECT_EQ(r.err, sjis(a.err + a.err));
  std::string want = outputHeader(16, 8000, 400);
  for (std::size_t i = 0; i < 400; i += 4) {
    want += d.substr(i, 2) + d.substr(i, 2);
  }
  EXPECT_TRUE(fileRead(path("out.wav")) == want);
}

// An existing output is replaced.
TEST_F(CliMergeTest, ExistingOutputIsReplaced) {
  const std::string d1 = makeInput("a.wav", 1, 16, 40);
  const std::string d2 = makeInput("b.wav", 2, 16, 40);
  fileWrite(path("out.wav"), std::string(100000, 'x'));
  EXPECT_EQ(run({"a.wav", "b.wav", "out.wav"}).status, 0);
  EXPECT_TRUE(fileRead(path("out.wav")) ==
              outputHeader(16, 8000, 40) + mergeModel(d1, d2, 16));
}

TEST_F(CliMergeTest, MismatchedPairsAreRefused) {
  struct Case {
    const char* what;
    std::uint32_t rate2;
    std::uint16_t bits2;
    std::int64_t byteRate2;  // -1: as the other fields imply
    const char* text;
  };
  const Case cases[] = {
      {"rate", 11025, 16, -1, "サンプリング周波数が異なると合成できません!\n"},
      {"rate and bits", 11025, 8, -1,
       "サンプリング周波数が異なると合成できません!\n"},
      {"bits", 8000, 8, -1, "サンプルビット数が異なると合成できません!\n"},
      {"declared byte rate", 8000, 16, 32001,
       "ビット当たりのバイト数が異なると合成できません!\n"},
  };
  makeInput("a.wav", 1, 16, 400);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestFmt f;
    f.rate = c.rate2;
    f.bits = c.bits2;
    f.byteRate = c.byteRate2;
    WavBuilder().header().fmt(f).data(std::string(800, '\0'))
        .write(path("b.wav"));
    const CliResult r = run({"a.wav", "b.wav", "out.wav"});
    const ReportText a = reportOf("a.wav", 16, 400);
    const ReportText b = canonicalReport("b.wav", f, 800);
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_EQ(r.out, sjis(a.out + b.out));
    EXPECT_EQ(r.err, sjis(a.err + b.err + c.text));
    EXPECT_FALSE(exists("out.wav"));
  }
}

// An output that is one of the inputs, under any name, is refused before
// anything is created or emptied.
class CliOutputIsInputTest : public CliMergeTest {
 protected:
  void SetUp() override {
    CliMergeTest::SetUp();
    makeInput("a.wav", 1, 16, 400);
    makeInput("b.wav", 2, 16, 200);
    std::filesystem::create_directory(path("sub"));
    a_ = fileRead(path("a.wav"));
    b_ = fileRead(path("b.wav"));
  }
  void expectRefused(const std::vector<std::string>& outputs) {
    for (const std::string& out : outputs) {
      SCOPED_TRACE(out);
      const CliResult r = run({"a.wav", "b.wav", out});
      EXPECT_EQ(r.status, kExitFailure);
      const ReportText ra = reportOf("a.wav", 16, 400);
      const ReportText rb = reportOf("b.wav", 16, 200);
      EXPECT_EQ(r.out, sjis(ra.out + rb.out));
      EXPECT_EQ(r.err, sjis(ra.err + rb.err + "出力ファイル " + out +
                            " が入力ファイルと同じです.\n"));
      EXPECT_TRUE(fileRead(path("a.wav")) == a_);
      EXPECT_TRUE(fileRead(path("b.wav")) == b_);
    }
  }
  std::string a_;
  std::string b_;
};

TEST_F(CliOutputIsInputTest, SpellingsAndHardLinksAreRefused) {
  std::filesystem::create_hard_link(path("a.wav"), path("hard.wav"));
  expectRefused({"a.wav", "b.wav", "./a.wav", "sub/../b.wav", "hard.wav",
                 path("b.wav")});
}

// Windows file names ignore case and take either separator.
TEST_F(CliOutputIsInputTest, WindowsSpellingsAreRefused) {
#ifdef _WIN32
  std::string slashes = path("a.wav");
  for (char& c : slashes) {
    if (c == '\\') c = '/';
  }
  expectRefused({"A.WAV", "B.wav", ".\\a.wav", "sub\\..\\b.wav",
                 "SUB/../B.WAV", slashes});
#else
  GTEST_SKIP() << "case and '\\' spell other names on POSIX";
#endif
}

// A name outside ASCII, as a Japanese user's files have, in the bytes the
// system's file names take: the ANSI code page on Windows (a character
// beyond Latin-1 that the code page holds), Shift_JIS bytes on POSIX.
std::string nonAsciiName() {
#ifdef _WIN32
  for (const wchar_t* w : {L"\u97f3", L"\u20ac", L"\u03a9"}) {
    char bytes[16];
    BOOL lossy = FALSE;
    const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, w, -1,
                                      bytes, sizeof bytes, nullptr, &lossy);
    if (n > 1 && !lossy) return "x" + std::string(bytes) + ".wav";
  }
  return "";
#else
  return "x" + sjis("音") + ".wav";
#endif
}

TEST_F(CliOutputIsInputTest, NonAsciiNameIsRefused) {
  const std::string name = nonAsciiName();
  if (name.empty()) GTEST_SKIP() << "the code page holds none of the names";
  makeInput(name, 3, 16, 400);
  const std::string before = fileRead(path(name));
  const CliResult r = run({name, "b.wav", name});
  EXPECT_EQ(r.status, kExitFailure);
  const std::string tail =
      sjis("出力ファイル ") + name + sjis(" が入力ファイルと同じです.\n");
  ASSERT_GE(r.err.size(), tail.size());
  EXPECT_EQ(r.err.substr(r.err.size() - tail.size()), tail);
  EXPECT_TRUE(fileRead(path(name)) == before);
}

TEST_F(CliOutputIsInputTest, SymbolicLinksAreRefused) {
#ifdef _WIN32
  // std::filesystem has no symlinks on mingw; Windows itself makes them
  // when the user may (developer mode or the privilege). Wine's call
  // claims success and makes nothing, hence the check that the link is
  // there.
  const auto link = [](const std::string& target, const std::string& name) {
    return CreateSymbolicLinkW(
               std::filesystem::path(name).wstring().c_str(),
               std::filesystem::path(target).wstring().c_str(),
               SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) &&
           std::filesystem::exists(name);
  };
  if (!link("a.wav", path("soft.wav")) ||
      !link("..\\b.wav", path("sub\\up.wav"))) {
    GTEST_SKIP() << "this system makes no symbolic links for this user";
  }
#else
  std::filesystem::create_symlink("a.wav", path("soft.wav"));
  std::filesystem::create_symlink("../b.wav", path("sub/up.wav"));
#endif
  expectRefused({"soft.wav", "sub/up.wav"});
}

TEST_F(CliMergeTest, OutputThatCannotBeCreated) {
  makeInput("a.wav", 1, 16, 400);
  makeInput("b.wav", 2, 16, 200);
  std::filesystem::create_directory(path("folder"));
  for (const std::string& out :
       {std::string("nodir/out.wav"), std::string("folder")}) {
    SCOPED_TRACE(out);
    const CliResult r = run({"a.wav", "b.wav", out});
    const ReportText ra = reportOf("a.wav", 16, 400);
    const ReportText rb = reportOf("b.wav", 16, 200);
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_EQ(r.out, sjis(ra.out + rb.out));
    EXPECT_EQ(r.err, sjis(ra.err + rb.err + out + " をオープンできません.\n"));
    EXPECT_FALSE(exists("nodir"));
    EXPECT_TRUE(std::filesystem::is_directory(path("folder")));
  }
}

// An input whose data chunk declares more than the file holds: the frames
// before the first that cannot be read whole are written, then the failure.
TEST_F(CliMergeTest, TruncatedInputLeavesPartialOutput) {
  struct Case {
    const char* what;
    std::uint16_t bits;
    std::uint32_t declared1, held1;  // data bytes declared and present
    std::uint32_t declared2, held2;
  };
  const Case cases[] = {
      {"longer input cut", 16, 4000, 1002, 400, 400},
      {"shorter input cut", 16, 4000, 4000, 2000, 801},
      {"8-bit, shorter input cut", 8, 3000, 3000, 2000, 999},
      {"both cut, longer first", 16, 800000, 4000, 400000, 400000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestFmt f;
    f.bits = c.bits;
    const std::uint32_t frame = c.bits / 4u;
    std::string d1 = testSamples(1, c.bits, c.held1 / frame + 1);
    d1.resize(c.held1);
    std::string d2 = testSamples(2, c.bits, c.held2 / frame + 1);
    d2.resize(c.held2);
    WavBuilder().header().fmt(f).chunkDeclared("data", c.declared1, d1)
        .write(path("a.wav"));
    WavBuilder().header().fmt(f).chunkDeclared("data", c.declared2, d2)
        .write(path("b.wav"));
    const CliResult r = run({"a.wav", "b.wav", "out.wav"});
    const ReportText ra = canonicalReport("a.wav", f, c.declared1);
    const ReportText rb = canonicalReport("b.wav", f, c.declared2);
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_EQ(r.out, sjis(ra.out + rb.out));
    EXPECT_EQ(r.err, sjis(ra.err + rb.err + "wavDataWriteでエラー発生.\n"));
    std::uint32_t whole = c.held1 / frame;
    if (c.held2 < c.declared2) whole = std::min(whole, c.held2 / frame);
    const std::string want =
        outputHeader(c.bits, 8000, c.declared1) +
        mergeModel(d1.substr(0, std::size_t{whole} * frame), d2, c.bits);
    EXPECT_TRUE(fileRead(path("out.wav")) == want);
  }
}

#ifndef _WIN32
// A device that takes no data: the header cannot be written.
TEST_F(CliMergeTest, FullDeviceIsAFailure) {
  makeInput("a.wav", 1, 16, 400);
  makeInput("b.wav", 2, 16, 200);
  const CliResult r = run({"a.wav", "b.wav", "/dev/full"});
  const ReportText ra = reportOf("a.wav", 16, 400);
  const ReportText rb = reportOf("b.wav", 16, 200);
  EXPECT_EQ(r.status, kExitFailure);
  EXPECT_EQ(r.out, sjis(ra.out + rb.out));
  EXPECT_EQ(r.err, sjis(ra.err + rb.err + "ヘッダを書き込めません: /dev/full\n"));
}

// A disk that fills up during the copy (a file-size limit stands in for it,
// root or not): the failure is reported, and the output keeps what reached
// it.
TEST_F(CliMergeTest, DiskFullDuringCopyIsAFailure) {
  for (std::uint16_t bits : {std::uint16_t{8}, std::uint16_t{16}}) {
    SCOPED_TRACE(bits);
    const std::string d1 = makeInput("a.wav", 1, bits, 40000);
    const std::string d2 = makeInput("b.wav", 2, bits, 20000);
    std::filesystem::remove(path("out.wav"));
    const CliResult r = cliRun({"a.wav", "b.wav", "out.wav"}, dir_.string(),
                               "trap '' XFSZ; ulimit -f 1");
    const ReportText ra = reportOf("a.wav", bits, 40000);
    const ReportText rb = reportOf("b.wav", bits, 20000);
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_EQ(r.out, sjis(ra.out + rb.out));
    EXPECT_EQ(r.err, sjis(ra.err + rb.err + "wavDataWriteでエラー発生.\n"));
    // The limit is one block of the shell's unit (512 or 1024 bytes).
    const std::string got = fileRead(path("out.wav"));
    EXPECT_GE(got.size(), 512u);
    EXPECT_LE(got.size(), 1024u);
    const std::string want =
        outputHeader(bits, 8000, 40000) + mergeModel(d1, d2, bits);
    EXPECT_TRUE(got == want.substr(0, got.size()));
  }
}
#endif

}  // namespace
