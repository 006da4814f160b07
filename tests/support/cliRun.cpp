#include "support/cliRun.h"

#include <iconv.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "support/wavBuilder.h"

#ifndef DUVOX_BIN
#error "DUVOX_BIN names the duvox executable under test"
#endif

const int kExitFailure = 255;

namespace {

std::string shellQuote(const std::string& s) {
  std::string out = "'";
  for (char c : s) {
    if (c == '\'') {
      out += "'\\''";
    } else {
      out += c;
    }
  }
  return out + "'";
}

}  // namespace

CliResult cliRun(const std::vector<std::string>& args, const std::string& dir,
                 const std::string& shellSetup) {
  namespace fs = std::filesystem;
  const fs::path capture = fs::path(dir).parent_path() /
                           (fs::path(dir).filename().string() + ".capture");
  fs::create_directories(capture);
  const std::string outPath = (capture / "stdout").string();
  const std::string errPath = (capture / "stderr").string();
  std::string command = "cd " + shellQuote(dir) + " && ";
  if (!shellSetup.empty()) command += shellSetup + "; ";
  command += "exec " + shellQuote(DUVOX_BIN);
  for (const std::string& a : args) command += " " + shellQuote(a);
  command += " </dev/null >" + shellQuote(outPath) + " 2>" + shellQuote(errPath);
  const int raw = std::system(command.c_str());
  if (raw == -1 || !WIFEXITED(raw)) {
    throw std::runtime_error("duvox did not exit normally: " + command);
  }
  CliResult result;
  result.status = WEXITSTATUS(raw);
  result.out = fileRead(outPath);
  result.err = fileRead(errPath);
  fs::remove_all(capture);
  return result;
}

std::string sjis(const std::string& utf8) {
  iconv_t cd = iconv_open("CP932", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    throw std::runtime_error("iconv has no CP932");
  }
  std::string in = utf8;
  std::string out(in.size() * 2 + 16, '\0');
  char* inPtr = in.data();
  std::size_t inLeft = in.size();
  char* outPtr = out.data();
  std::size_t outLeft = out.size();
  const std::size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (done == static_cast<std::size_t>(-1) || inLeft != 0) {
    throw std::runtime_error("cannot convert to CP932: " + utf8);
  }
  out.resize(out.size() - outLeft);
  return out;
}
