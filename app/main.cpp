// duvox: builds one stereo WAV file out of two.
//
//   duvox in1.wav in2.wav out.wav
//
// Both inputs are inspected and reported, must be stereo PCM with 8 or 16
// bits per sample and agree in rate, sample size and byte rate. The output's
// left channel is the longer input's left channel; its right channel is the
// shorter input's left channel, then the longer input's own right channel
// once the shorter one has run out. Exit status 0 on success, -1 on failure.
#include <cstdio>

#include "common/wavText.h"
#include "wavin/wavInfo.h"
#include "wavout/wavOut.h"

namespace {

void printUsage() { std::fprintf(stderr, kTextUsage); }

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 4) {
    printUsage();
    return -1;
  }
  WavNamePair names{argv[1], argv[2]};
  WavInfoPair infos;
  if (wavInfoRead(argv[1], &infos.first) != 0) return -1;
  if (wavInfoRead(argv[2], &infos.second) != 0) return -1;
  // Only now, with both inputs reported in full.
  if (infos.first.channels != 2 || infos.second.channels != 2) {
    std::fprintf(stderr, kTextNotStereo);
    return -1;
  }
  if (wavFileWrite(&names, argv[3], &infos) != 0) return -1;
  std::fprintf(stdout, kTextMerged, argv[1], argv[2], argv[3]);
  return 0;
}
