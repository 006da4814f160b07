#include <cstdio>
#include <utility>

#include "common/wavText.h"
#include "wavout/wavOut.h"

int wavFormatCheck(WavNamePair* names, WavInfoPair* infos) {
  if (infos->first.sampleRate != infos->second.sampleRate) {
    std::fprintf(stderr, kTextRateMismatch);
    return -1;
  }
  if (infos->first.bitsPerSample != infos->second.bitsPerSample) {
    std::fprintf(stderr, kTextBitsMismatch);
    return -1;
  }
  if (infos->first.byteRate != infos->second.byteRate) {
    std::fprintf(stderr, kTextByteRateMismatch);
    return -1;
  }
  if (infos->first.dataSize < infos->second.dataSize) {
    std::swap(infos->first, infos->second);
    std::swap(names->first, names->second);
  }
  return 0;
}
