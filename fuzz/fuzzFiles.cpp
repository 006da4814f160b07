#include "fuzz/fuzzFiles.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

// Present when a sanitizer is linked in; lets its reports bypass fd 2.
extern "C" void __sanitizer_set_report_fd(void* fd) __attribute__((weak));

namespace {

// The console as it was at the first run, and /dev/null.
struct Fds {
  int out = -1;
  int err = -1;
  int null = -1;
};

const Fds& fds() {
  static const Fds saved = [] {
    Fds f;
    f.out = dup(STDOUT_FILENO);
    f.err = dup(STDERR_FILENO);
    f.null = open("/dev/null", O_WRONLY);
    if (f.out < 0 || f.err < 0 || f.null < 0) std::abort();
    if (__sanitizer_set_report_fd != nullptr) {
      __sanitizer_set_report_fd(
          reinterpret_cast<void*>(static_cast<std::intptr_t>(f.err)));
    }
    return f;
  }();
  return saved;
}

}  // namespace

std::string fuzzPath(const char* name) {
  // Removed when the process exits normally; after a crash they stay,
  // next to the fuzzer's copy of the input that caused it.
  static std::vector<std::string> paths;
  if (paths.empty()) {
    std::atexit([] {
      for (const std::string& p : paths) std::remove(p.c_str());
    });
  }
  paths.push_back((std::filesystem::temp_directory_path() /
                   ("duvox-fuzz-" + std::to_string(getpid()) + "-" + name))
                      .string());
  return paths.back();
}

void fuzzFileWrite(const std::string& path, const std::uint8_t* data,
                   std::size_t size) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) std::abort();
  const bool written = size == 0 || std::fwrite(data, size, 1, file) == 1;
  if (std::fclose(file) != 0 || !written) std::abort();
}

// The fuzzer prints its progress and findings to the same fd 2 the tool
// writes to, so the console is restored after each run rather than left
// leading to /dev/null.
FuzzQuiet::FuzzQuiet() {
  const Fds& f = fds();
  std::fflush(stdout);
  std::fflush(stderr);
  dup2(f.null, STDOUT_FILENO);
  dup2(f.null, STDERR_FILENO);
}

FuzzQuiet::~FuzzQuiet() {
  const Fds& f = fds();
  std::fflush(stdout);
  std::fflush(stderr);
  dup2(f.out, STDOUT_FILENO);
  dup2(f.err, STDERR_FILENO);
}
