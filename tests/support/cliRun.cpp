#include "support/cliRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <utility>

#include "support/wavBuilder.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdlib>
#endif

#ifndef DUVOX_BIN
#error "DUVOX_BIN names the duvox executable under test"
#endif

namespace fs = std::filesystem;

namespace {

// A folder beside the test's own folder for the captured streams, so that
// the test's folder holds only what duvox left there.
fs::path captureFolder(const std::string& dir) {
  const fs::path capture = fs::path(dir).parent_path() /
                           (fs::path(dir).filename().string() + ".capture");
  fs::create_directories(capture);
  return capture;
}

#ifdef _WIN32

// Closes a Windows handle on every way out.
class Handle {
 public:
  explicit Handle(HANDLE h) : h_(h) {}
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() {
    if (h_ != nullptr && h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
  }
  HANDLE get() const { return h_; }

 private:
  HANDLE h_;
};

// A handle the started program inherits as one of its standard streams.
HANDLE openInheritable(const std::string& name, DWORD access,
                       DWORD disposition) {
  SECURITY_ATTRIBUTES inherit{};
  inherit.nLength = sizeof inherit;
  inherit.bInheritHandle = TRUE;
  const HANDLE h = CreateFileA(name.c_str(), access,
                               FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                               disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    throw std::runtime_error("cannot open " + name + " for the child");
  }
  return h;
}

// One argument quoted so that the C runtime's command-line parser gives it
// back unchanged as one argv entry.
std::string argQuote(const std::string& s) {
  if (!s.empty() && s.find_first_of(" \t\n\v\"") == std::string::npos) {
    return s;
  }
  std::string out = "\"";
  std::size_t backslashes = 0;
  for (char c : s) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    // Backslashes double only where a quote follows them.
    out.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
    backslashes = 0;
    out += c;
  }
  out.append(2 * backslashes, '\\');
  return out + "\"";
}

// The tool sits beside the test program (the build puts them in one
// folder), wherever that folder has been copied to.
std::string toolPath() {
  std::wstring self(32768, L'\0');
  const DWORD n =
      GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size()));
  if (n == 0 || n >= self.size()) {
    throw std::runtime_error("cannot tell where the test program is");
  }
  self.resize(n);
  return (fs::path(self).parent_path() / fs::path(DUVOX_BIN).filename())
      .string();
}

// Windows streams arrive with CR LF for each line feed; the tests compare
// the bytes the tool meant, so every LF must have its CR.
std::string textStreamChecked(const std::string& raw, const char* stream) {
  std::string text;
  if (!textStreamToLf(raw, &text)) {
    ADD_FAILURE() << stream << " has a line feed without CR before it";
    return raw;
  }
  return text;
}

#else

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

#endif

}  // namespace

bool textStreamToLf(const std::string& raw, std::string* text) {
  std::string out;
  out.reserve(raw.size());
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n') continue;
    if (raw[i] == '\n' && (i == 0 || raw[i - 1] != '\r')) return false;
    out += raw[i];
  }
  *text = std::move(out);
  return true;
}

#ifdef _WIN32

// ExitProcess(-1) leaves 0xFFFFFFFF, which is -1 as an int.
const int kExitFailure = -1;

CliResult cliRun(const std::vector<std::string>& args, const std::string& dir,
                 const std::string& shellSetup) {
  if (!shellSetup.empty()) {
    throw std::invalid_argument("no POSIX shell to run: " + shellSetup);
  }
  const fs::path capture = captureFolder(dir);
  const std::string outPath = (capture / "stdout").string();
  const std::string errPath = (capture / "stderr").string();
  const std::string tool = toolPath();
  std::string command = argQuote(tool);
  for (const std::string& a : args) command += " " + argQuote(a);

  DWORD code = 0;
  {
    const Handle in(openInheritable("NUL", GENERIC_READ, OPEN_EXISTING));
    const Handle out(openInheritable(outPath, GENERIC_WRITE, CREATE_ALWAYS));
    const Handle err(openInheritable(errPath, GENERIC_WRITE, CREATE_ALWAYS));
    STARTUPINFOA start{};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdInput = in.get();
    start.hStdOutput = out.get();
    start.hStdError = err.get();
    PROCESS_INFORMATION child{};
    if (!CreateProcessA(tool.c_str(), command.data(), nullptr, nullptr, TRUE,
                        0, nullptr, dir.c_str(), &start, &child)) {
      throw std::runtime_error("cannot start " + command + " (error " +
                               std::to_string(GetLastError()) + ")");
    }
    const Handle process(child.hProcess);
    const Handle thread(child.hThread);
    if (WaitForSingleObject(process.get(), INFINITE) != WAIT_OBJECT_0 ||
        !GetExitCodeProcess(process.get(), &code)) {
      throw std::runtime_error("duvox did not exit normally: " + command);
    }
  }
  CliResult result;
  result.status = static_cast<int>(code);
  result.out = textStreamChecked(fileRead(outPath), "standard output");
  result.err = textStreamChecked(fileRead(errPath), "standard error");
  fs::remove_all(capture);
  return result;
}

std::string sjis(const std::string& utf8) {
  if (utf8.empty()) return "";
  const int inSize = static_cast<int>(utf8.size());
  const int wideSize = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS,
                                           utf8.data(), inSize, nullptr, 0);
  if (wideSize <= 0) throw std::runtime_error("not UTF-8: " + utf8);
  std::wstring wide(static_cast<std::size_t>(wideSize), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), inSize,
                      wide.data(), wideSize);
  BOOL lossy = FALSE;
  const int outSize = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS,
                                          wide.data(), wideSize, nullptr, 0,
                                          nullptr, &lossy);
  if (outSize <= 0 || lossy) {
    throw std::runtime_error("cannot convert to CP932: " + utf8);
  }
  std::string out(static_cast<std::size_t>(outSize), '\0');
  WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), wideSize,
                      out.data(), outSize, nullptr, &lossy);
  return out;
}

#else

const int kExitFailure = 255;

CliResult cliRun(const std::vector<std::string>& args, const std::string& dir,
                 const std::string& shellSetup) {
  const fs::path capture = captureFolder(dir);
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

#endif
