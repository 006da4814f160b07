#include <cstdint>
#include <cstring>
#include <limits>

#include "common/wavBytes.h"
#include "common/wavPort.h"
#include "wavout/wavOut.h"

std::int64_t wavHeaderWrite(std::FILE* out, const WavInfoPair& infos) {
  const WavInfo& info = infos.first;
  const unsigned bytesPerSample = info.bitsPerSample / 8u;
  // A data size within 36 bytes of 4 GiB leaves no room for the RIFF size;
  // the largest value stands there instead of a wrapped, tiny one.
  constexpr std::uint32_t kMax = std::numeric_limits<std::uint32_t>::max();
  const std::uint32_t riffSize =
      info.dataSize > kMax - 36 ? kMax : info.dataSize + 36;

  unsigned char header[kWavHeaderSize];
  std::memcpy(header, "RIFF", 4);
  wavLe32Put(header + 4, riffSize);
  std::memcpy(header + 8, "WAVE", 4);
  std::memcpy(header + 12, "fmt ", 4);
  wavLe32Put(header + 16, 16);
  wavLe16Put(header + 20, 1);
  wavLe16Put(header + 22, info.channels);
  wavLe32Put(header + 24, info.sampleRate);
  // The byte rate and block align follow from the other fields; an input's
  // own, possibly inconsistent, byte rate is not copied.
  wavLe32Put(header + 28, bytesPerSample * info.channels * info.sampleRate);
  wavLe16Put(header + 32,
             static_cast<std::uint16_t>(bytesPerSample * info.channels));
  wavLe16Put(header + 34, info.bitsPerSample);
  std::memcpy(header + 36, "data", 4);
  wavLe32Put(header + 40, info.dataSize);

  if (std::fwrite(header, sizeof header, 1, out) != 1) return -1;
  return wavFileTell(out);
}
