// Fuzz target: the inspection of one input file. The whole fuzz input is
// the file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzzFiles.h"
#include "wavin/wavInfo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  static const std::string name = fuzzPath("in.wav");
  fuzzFileWrite(name, data, size);
  WavInfo info;
  int result = 0;
  {
    FuzzQuiet quiet;
    result = wavInfoRead(name.c_str(), &info);
  }
  // An accepted file has what the merge relies on: a sample size it can
  // copy, and sample data that starts after a chunk header in the file.
  const bool sizeOk = info.bitsPerSample == 8 || info.bitsPerSample == 16;
  const bool offsetOk =
      info.dataOffset >= 20 &&
      info.dataOffset <= static_cast<std::int64_t>(size);
  if (result == 0 && (!sizeOk || !offsetOk)) __builtin_trap();
  return 0;
}
