// Runs the built duvox as a user would and captures what it leaves.
#ifndef DUVOX_TESTS_SUPPORT_CLIRUN_H_
#define DUVOX_TESTS_SUPPORT_CLIRUN_H_

#include <string>
#include <vector>

struct CliResult {
  int status = 0;      // the exit status as the parent sees it
  std::string out;     // standard output, byte for byte
  std::string err;     // standard error, byte for byte
};

// The exit status of `return -1` as a parent process sees it: 255 on POSIX,
// -1 (0xFFFFFFFF) on Windows.
extern const int kExitFailure;

// Runs duvox with `args` in the folder `dir`, standard output and standard
// error captured separately. Where the console streams are text streams that
// turn each line feed into CR LF, the CR LF pairs are turned back here, and
// only here, so the tests compare the same bytes on every platform.
// `shellSetup`, where the platform has a POSIX shell, runs before the tool
// starts (a resource limit, say); on Windows it must be empty.
CliResult cliRun(const std::vector<std::string>& args, const std::string& dir,
                 const std::string& shellSetup = "");

// What a text stream that turns each line feed into CR LF (Windows' standard
// output and standard error) wrote, with each CR LF turned back into LF. A
// lone CR stays. Returns false, leaving `text` as it was, if some LF has no
// CR before it: such a stream never writes one.
bool textStreamToLf(const std::string& raw, std::string* text);

// The UTF-8 text converted to Shift_JIS (code page 932) by the system's own
// converter, never by duvox's tables.
std::string sjis(const std::string& utf8);

#endif  // DUVOX_TESTS_SUPPORT_CLIRUN_H_
