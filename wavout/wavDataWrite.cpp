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
// Measured with bench/run.sh: 256 KiB blocks are a few percent slower, 1 MiB
// blocks no faster and a MiB bigger in memory.
constexpr std::size_t kWavBlockBytes = std::size_t{512} * 1024;

// One merge runs at a time, so the two blocks live here rather than on a
// stack that may be only 1 MiB deep.
unsigned char gFirstBlock[kWavBlockBytes];
unsigned char gSecondBlock[kWavBlockBytes];

// Puts the left sample of each of the `frames` frames in `second` into the
// right-hand slot of the same frame in `first`. A frame is handled as one
// unsigned word of Frame's size, so the loop is plain loads, a shift, a mask
// and stores that the compiler turns into vector code; a sample at a time,
// the 8-bit copy would cost as much again as its reads and writes.
template <typename Frame>
void wavSamplesInterleave(unsigned char* first, const unsigned char* second,
                          std::size_t frames) {
  constexpr std::size_t kSampleBytes = sizeof(Frame) / 2;
  constexpr unsigned kSampleBits = 8 * kSampleBytes;
  // The bits that hold the left sample of a frame loaded from memory, built
  // from bytes so that it holds for either byte order. When they are the low
  // bits, a shift up moves a left sample into the right-hand slot, else a
  // shift down; either way the slot it leaves comes out zero. Both are
  // constants, so the choice is made at compile time.
  unsigned char leftBytes[sizeof(Frame)] = {};
  std::memset(leftBytes, 0xFF, kSampleBytes);
  Frame left;
  std::memcpy(&left, leftBytes, sizeof left);
  const bool leftIsLow = (left & 1u) != 0;
  for (std::size_t i = 0; i < frames; ++i) {
    Frame mine;
    Frame theirs;
    std::memcpy(&mine, first + i * sizeof(Frame), sizeof mine);
    std::memcpy(&theirs, second + i * sizeof(Frame), sizeof theirs);
    const Frame moved = leftIsLow ? static_cast<Frame>(theirs << kSampleBits)
                                  : static_cast<Frame>(theirs >> kSampleBits);
    mine = static_cast<Frame>((mine & left) | moved);
    std::memcpy(first + i * sizeof(Frame), &mine, sizeof mine);
  }
}

// The frame copy for samples of kSampleBytes bytes. Its output is exactly
// that of a loop that reads one frame of the first input, then one of the
// second while the second has frames, and writes one frame: a short read
// writes every whole frame before the first frame that either input could
// not deliver, then fails.
template <std::size_t kSampleBytes, typename Frame>
int wavFramesCopy(WavFilePair* files, std::FILE* out,
                  const WavInfoPair& infos) {
  constexpr std::size_t kFrameBytes = 2 * kSampleBytes;
  static_assert(sizeof(Frame) == kFrameBytes, "one word per frame");
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
      wavSamplesInterleave<Frame>(gFirstBlock, gSecondBlock,
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
  return wavFramesCopy<1, std::uint16_t>(files, out, infos);
}

int wavDataWrite16(WavFilePair* files, std::FILE* out,
                   const WavInfoPair& infos) {
  return wavFramesCopy<2, std::uint32_t>(files, out, infos);
}

int wavDataWrite(WavFilePair* files, std::FILE* out, const WavInfoPair& infos) {
  if (wavFileSeek(files->first, infos.first.dataOffset) != 0 ||
      wavFileSeek(files->second, infos.second.dataOffset) != 0) {
    return -1;
  }
  if (infos.first.bitsPerSample == 8) return wavDataWrite8(files, out, infos);
  return wavDataWrite16(files, out, infos);
}
