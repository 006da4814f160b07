// Fuzz target: a whole run on two inputs, as the tool's main does it. The
// fuzz input holds both files: a 2-byte little-endian length, the first
// file of that many bytes (or all that is left), then the second file.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "fuzz/fuzzFiles.h"
#include "wavin/wavInfo.h"
#include "wavout/wavOut.h"

namespace {

// main's flow after its argument check (app/main.cpp): both inspections,
// the stereo check, the merge. Returns main's exit status; `infos` is left
// as the merge left it, the longer input first.
int fuzzMain(const char* in1, const char* in2, const char* out,
             WavInfoPair* infos) {
  WavNamePair names{in1, in2};
  if (wavInfoRead(in1, &infos->first) != 0) return -1;
  if (wavInfoRead(in2, &infos->second) != 0) return -1;
  if (infos->first.channels != 2 || infos->second.channels != 2) return -1;
  if (wavFileWrite(&names, out, infos) != 0) return -1;
  return 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  static const std::string in1 = fuzzPath("in1.wav");
  static const std::string in2 = fuzzPath("in2.wav");
  static const std::string out = fuzzPath("out.wav");
  std::size_t first = 0;
  if (size >= 2) {
    first = std::size_t{data[0]} | std::size_t{data[1]} << 8;
    data += 2;
    size -= 2;
  }
  if (first > size) first = size;
  fuzzFileWrite(in1, data, first);
  fuzzFileWrite(in2, data + first, size - first);
  WavInfoPair infos;
  int result = 0;
  {
    FuzzQuiet quiet;
    result = fuzzMain(in1.c_str(), in2.c_str(), out.c_str(), &infos);
  }
  // A merge that succeeded wrote the header and every whole frame of the
  // longer input, no more and no less.
  if (result == 0) {
    const std::uint32_t frame = infos.first.bitsPerSample / 4u;
    std::error_code error;
    const auto written = std::filesystem::file_size(out, error);
    if (error || written != kWavHeaderSize + std::uintmax_t{
                                infos.first.dataSize / frame * frame}) {
      __builtin_trap();
    }
  }
  std::remove(out.c_str());
  return 0;
}
