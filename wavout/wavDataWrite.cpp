#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "common/wavPort.h"
#include "wavout/wavOut.h"

namespace {

// Frames move in blocks of this many bytes per input: large reads and writes
// keep the copy near the speed of a file copy, and memory stays the same
// whatever the file sizes. A multiple of both frame sizes (2 and 4 bytes).
constexpr std::size_t kWavBlockBytes = std::size_t{512} * 1024;

// One merge runs at a time, so the two blocks live here rather than on a
// stack that may be only 1 MiB deep.
unsigned char gFirstBlock[kWavBlockBytes];
unsigned char gSecondBlock[kWavBlockBytes];

// Puts the left sample of each of the `frames` frames in `second` into the
// right-hand slot of the same frame in `first`.
template <std::size_t kSampleBytes>
void wavSamplesInterleave(unsigned char* first, const unsigned char* second,
                          std::size_t frames) {
  constexpr std::size_t kFrameBytes = 2 * kSampleBytes;
  for (std::size_t i = 0; i < frames; ++i) {
    std::memcpy(first + i * kFrameBytes + kSampleBytes,
                second + i * kFrameBytes, kSampleBytes);
  }
}

// The frame copy for samples of kSampleBytes bytes. Its output is exactly
// that of a loop that reads one frame of the first input, then one of the
// second while the second has frames, and writes one frame: a short read
// writes every whole frame before the first frame that either input could
// not deliver, then fails.
template <std::size_t kSampleBytes>
int wavFramesCopy(WavFilePair* files, std::FILE* out,
                  const WavInfoPair& infos) {
  constexpr std::size_t kFrameBytes = 2 * kSampleBytes;
  constexpr std::size_t kBlockFrames = kWavBlockBytes / kFrameBytes;
  std::uint32_t framesLeft = infos.first.dataSize / kFrameBytes;
  std::uint32_t secondLeft = infos.second.dataSize / kFrameBytes;
  while (framesLeft > 0) {
    const std::size_t frames = std::min<std::size_t>(framesLeft, kBlockFrames);
    std::size_t whole =
        std::fread(gFirstBlock, kFrameBytes, frames, files->first);
    const std::size_t paired = std::min<std::size_t>(secondLeft, frames);
    if (paired > 0) {
      const std::size_t got =
          std::fread(gSecondBlock, kFrameBytes, paired, files->second);
      if (got < paired) whole = std::min(whole, got);
      wavSamplesInterleave<kSampleBytes>(gFirstBlock, gSecondBlock,
                                         std::min(whole, paired));
      secondLeft -= static_cast<std::uint32_t>(paired);
    }
    if (whole > 0 &&
        std::fwrite(gFirstBlock, kFrameBytes, whole, out) != whole) {
      return -1;
    }
    if (whole < frames) return -1;
    framesLeft -= static_cast<std::uint32_t>(frames);
  }
  return 0;
}

}  // namespace

int wavDataWrite8(WavFilePair* files, std::FILE* out,
                  const WavInfoPair& infos) {
  return wavFramesCopy<1>(files, out, infos);
}

int wavDataWrite16(WavFilePair* files, std::FILE* out,
                   const WavInfoPair& infos) {
  return wavFramesCopy<2>(files, out, infos);
}

int wavDataWrite(WavFilePair* files, std::FILE* out, const WavInfoPair& infos) {
  if (wavFileSeek(files->first, infos.first.dataOffset) != 0 ||
      wavFileSeek(files->second, infos.second.dataOffset) != 0) {
    return -1;
  }
  if (infos.first.bitsPerSample == 8) return wavDataWrite8(files, out, infos);
  return wavDataWrite16(files, out, infos);
}
