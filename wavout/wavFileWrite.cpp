#include <cstdio>

#include "common/wavPort.h"
#include "common/wavText.h"
#include "wavout/wavOut.h"

namespace {

// Opens an input for the block copy. Its reads go straight to the file:
// a stream buffer would only add a copy of every block.
WavFile wavInputOpen(const char* name) {
  WavFile file(wavFileOpenRead(name));
  if (file) std::setvbuf(file.get(), nullptr, _IONBF, 0);
  return file;
}

}  // namespace

int wavFileWrite(WavNamePair* names, const char* outName, WavInfoPair* infos) {
  if (wavFormatCheck(names, infos) != 0) return -1;
  // "wb" empties the file it opens, so an output that is one of the inputs
  // under any name would be destroyed before it is read.
  if (wavFileMatch(outName, names->first) ||
      wavFileMatch(outName, names->second)) {
    std::fprintf(stderr, kTextOutputIsInput, outName);
    return -1;
  }

  WavFile out(std::fopen(outName, "wb"));
  if (!out) {
    std::fprintf(stderr, kTextOpenFailed, outName);
    return -1;
  }
  // Unbuffered, the 44-byte header does not put a stream buffer out of step
  // with the blocks that follow: every block is one write.
  std::setvbuf(out.get(), nullptr, _IONBF, 0);
  if (wavHeaderWrite(out.get(), *infos) != kWavHeaderSize) {
    std::fprintf(stderr, kTextHeaderWriteFailed, outName);
    return -1;
  }

  WavFile first = wavInputOpen(names->first);
  if (!first) {
    std::fprintf(stderr, kTextOpenFailed, names->first);
    return -1;
  }
  WavFile second = wavInputOpen(names->second);
  if (!second) {
    std::fprintf(stderr, kTextOpenFailed, names->second);
    return -1;
  }

  WavFilePair files{first.get(), second.get()};
  const int result = wavDataWrite(&files, out.get(), *infos);
  first.reset();
  second.reset();
  // A full disk can show only when the output is closed; that is a failure
  // too, never a success with a short file.
  const bool closed = std::fclose(out.release()) == 0;
  if (result != 0 || !closed) {
    std::fprintf(stderr, kTextDataWriteFailed);
    return -1;
  }
  return 0;
}
