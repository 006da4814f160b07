// The merge: checks that two inspected inputs can be combined, puts the
// longer one first, writes the output header and interleaves the frames.
#ifndef DUVOX_WAVOUT_WAVOUT_H_
#define DUVOX_WAVOUT_WAVOUT_H_

#include <cstdint>
#include <cstdio>

#include "wavin/wavInfo.h"

// The two input names, first then second; they point at the caller's
// strings and are swapped together with the WavInfoPair.
struct WavNamePair {
  const char* first;
  const char* second;
};

// The two inspected inputs, in the order of the WavNamePair.
struct WavInfoPair {
  WavInfo first;
  WavInfo second;
};

// The two input streams, open for binary reading, in the same order.
struct WavFilePair {
  std::FILE* first;
  std::FILE* second;
};

// The size of the canonical header that starts every output file.
constexpr int kWavHeaderSize = 44;

// Accepts the pair when sample rate, bits per sample and byte rate agree,
// and swaps both pairs so that the input with more data comes first (equal
// sizes keep their order). Returns 0, or -1 with the first mismatch written
// to standard error and nothing swapped.
int wavFormatCheck(WavNamePair* names, WavInfoPair* infos);

// Writes the 44-byte PCM header for infos.first to `out`, which stands at its
// start, and returns the stream's position afterwards: kWavHeaderSize when
// the write went through. Writes no message.
std::int64_t wavHeaderWrite(std::FILE* out, const WavInfoPair& infos);

// Seeks both inputs to their data and copies the frames of infos.first to
// `out`, with the second input's left sample in the right-hand slot while
// the second input has frames. Returns 0, or -1 after a failed seek, read or
// write; every whole frame before the first that could not be read is
// written. Writes no message.
int wavDataWrite(WavFilePair* files, std::FILE* out, const WavInfoPair& infos);

// The copy for 8-bit and for 16-bit samples; wavDataWrite picks one.
int wavDataWrite8(WavFilePair* files, std::FILE* out, const WavInfoPair& infos);
int wavDataWrite16(WavFilePair* files, std::FILE* out,
                   const WavInfoPair& infos);

// The whole merge into the file `outName`: the pair check, the guard that
// keeps the output from naming an input, the header and the frames. Returns
// 0 when the output was written in full, else -1 with the reason written to
// standard error. Every file it opened is closed on return; after a failure
// past the creation of the output, that file stays with what reached it.
int wavFileWrite(WavNamePair* names, const char* outName, WavInfoPair* infos);

#endif  // DUVOX_WAVOUT_WAVOUT_H_
