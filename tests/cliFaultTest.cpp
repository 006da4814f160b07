// What a user may hand duvox besides sound files: folders, devices, names
// that lead nowhere. Each run must end with its text and exit status, and
// leave the inputs as they were and no output behind.
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

class CliFaultTest : public TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    fileWrite(path("a.wav"), stereoWav(1, 16, 100));
    std::filesystem::create_directory(path("folder"));
    fileWrite(path("folder/keep.txt"), "kept");
    a_ = fileRead(path("a.wav"));
  }
  // The inputs are untouched and nothing else appeared.
  void expectNothingChanged() {
    EXPECT_TRUE(fileRead(path("a.wav")) == a_);
    EXPECT_EQ(fileRead(path("folder/keep.txt")), "kept");
    std::vector<std::string> found;
    for (const auto& e : std::filesystem::directory_iterator(dir_)) {
      found.push_back(e.path().filename().string());
    }
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{"a.wav", "folder"}));
  }
  std::string a_;
};

// A folder opens for reading on Linux and fails only at its first read; it
// is told as an input that cannot be opened, like a missing one, and an
// empty name is the same.
TEST_F(CliFaultTest, InputThatIsNoFile) {
  const ReportText a = canonicalReport("a.wav", TestFmt{}, 400);
  const std::string tooLong = std::string(300, 'n') + ".wav";
  const struct {
    const char* what;
    std::vector<std::string> args;
    std::string out, err;
  } cases[] = {
      {"first is a folder", {"folder", "a.wav", "out.wav"}, "",
       " folderをオープンできません.\n"},
      {"second is a folder", {"a.wav", "folder", "out.wav"}, a.out,
       a.err + " folderをオープンできません.\n"},
      {"first is the current folder", {".", "a.wav", "out.wav"}, "",
       " .をオープンできません.\n"},
      {"second is a folder with a slash", {"a.wav", "folder/", "out.wav"},
       a.out, a.err + " folder/をオープンできません.\n"},
      {"first is an empty name", {"", "a.wav", "out.wav"}, "",
       " をオープンできません.\n"},
      {"second leads through a file", {"a.wav", "a.wav/x.wav", "out.wav"},
       a.out, a.err + " a.wav/x.wavをオープンできません.\n"},
      {"first has a name longer than any file's", {tooLong, "a.wav", "out.wav"},
       "", " " + tooLong + "をオープンできません.\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const CliResult r = cliRun(c.args, dir_.string());
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_EQ(r.out, sjis(c.out));
    EXPECT_EQ(r.err, sjis(c.err));
    expectNothingChanged();
  }
}

#ifndef _WIN32
// Devices that never run out (or hold nothing) end the inspection at the
// header: a run that kept reading would be stopped by the CPU limit and
// fail here as an abnormal exit.
TEST_F(CliFaultTest, EndlessAndEmptyDevicesAsInput) {
  const ReportText a = canonicalReport("a.wav", TestFmt{}, 400);
  const struct {
    const char* device;
    const char* err;
  } cases[] = {
      {"/dev/zero", "'WAVE' が無い.\n"},
      {"/dev/urandom", "'WAVE' が無い.\n"},
      {"/dev/null", " 0 で読み込み失敗.\n"},
  };
  for (const auto& c : cases) {
    for (bool first : {true, false}) {
      SCOPED_TRACE(std::string(c.device) + (first ? " first" : " second"));
      const std::vector<std::string> args =
          first ? std::vector<std::string>{c.device, "a.wav", "out.wav"}
                : std::vector<std::string>{"a.wav", c.device, "out.wav"};
      const CliResult r = cliRun(args, dir_.string(), "ulimit -t 30");
      const std::string device = fileNameText(c.device);
      EXPECT_EQ(r.status, kExitFailure);
      EXPECT_EQ(r.out, sjis(first ? device : a.out + device));
      EXPECT_EQ(r.err, sjis(first ? c.err : a.err + c.err));
      expectNothingChanged();
    }
  }
}
#endif

// Outputs that cannot be created, beyond a missing folder and a folder: a
// path through a regular file, an empty name, a name longer than any file's.
// The inputs stay as they were.
TEST_F(CliFaultTest, OutputThatCannotBeCreated) {
  fileWrite(path("b.wav"), stereoWav(2, 16, 50));
  const std::string b = fileRead(path("b.wav"));
  const ReportText ra = canonicalReport("a.wav", TestFmt{}, 400);
  const ReportText rb = canonicalReport("b.wav", TestFmt{}, 200);
  for (const std::string& out : {std::string("a.wav/out.wav"), std::string(""),
                                std::string("folder/keep.txt/out.wav"),
                                std::string(300, 'o') + ".wav"}) {
    SCOPED_TRACE("[" + out.substr(0, 40) + "]");
    const CliResult r = cliRun({"a.wav", "b.wav", out}, dir_.string());
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_EQ(r.out, sjis(ra.out + rb.out));
    EXPECT_EQ(r.err, sjis(ra.err + rb.err + out + " をオープンできません.\n"));
    EXPECT_TRUE(fileRead(path("b.wav")) == b);
    std::filesystem::remove(path("b.wav"));
    expectNothingChanged();
    fileWrite(path("b.wav"), b);
  }
}

}  // namespace
