// What both fuzz targets share: the inputs become files of this process
// (the tool reads files by name), and the tool's console texts go nowhere.
#ifndef DUVOX_FUZZ_FUZZFILES_H_
#define DUVOX_FUZZ_FUZZFILES_H_

#include <cstddef>
#include <cstdint>
#include <string>

// A path in the temp folder that no other process uses: duvox-fuzz-PID-NAME.
std::string fuzzPath(const char* name);

// Writes `size` bytes to `path`, replacing the file. Aborts if it cannot:
// a run on a file that was not written would test nothing.
void fuzzFileWrite(const std::string& path, const std::uint8_t* data,
                   std::size_t size);

// While one of these lives, standard output and standard error lead to
// /dev/null. Sanitizer reports still reach the original standard error,
// and so does the fuzzer's own output once the run is over.
class FuzzQuiet {
 public:
  FuzzQuiet();
  ~FuzzQuiet();
  FuzzQuiet(const FuzzQuiet&) = delete;
  FuzzQuiet& operator=(const FuzzQuiet&) = delete;
};

#endif  // DUVOX_FUZZ_FUZZFILES_H_
