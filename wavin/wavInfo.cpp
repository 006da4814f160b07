#include "wavin/wavInfo.h"

#include <cstring>

#include "common/wavBytes.h"
#include "common/wavPort.h"
#include "common/wavText.h"

namespace {

constexpr int kWavRiffHeaderSize = 12;
constexpr int kWavChunkHeaderSize = 8;

// The byte rate used for the playing time. A declared rate of 0 would divide
// by zero; the rate implied by the other fields stands in for it then.
double wavByteRateGet(const WavInfo& info) {
  if (info.byteRate != 0) return info.byteRate;
  return static_cast<double>(info.sampleRate) * info.channels *
         (info.bitsPerSample / 8);
}

// The position of the chunk header after a body that ends at `end`. A chunk
// of odd size is followed by a pad byte, but some writers omit it. A chunk
// identifier never starts with a zero byte, so a zero there is the pad and is
// skipped, and anything else already starts the next header.
std::int64_t wavPadSkip(std::FILE* file, std::int64_t end) {
  unsigned char pad = 0;
  if (wavFileSeek(file, end) == 0 && std::fread(&pad, 1, 1, file) == 1 &&
      pad == 0) {
    return end + 1;
  }
  return end;
}

}  // namespace

int wavFmtRead(std::FILE* file, unsigned char body[kWavFmtSize]) {
  if (std::fread(body, kWavFmtSize, 1, file) != 1) {
    // The body was cut short by the end of the file.
    std::fprintf(stderr, kTextReadFailed,
                 static_cast<long long>(wavFileTell(file)));
    return -1;
  }
  const unsigned formatTag = wavLe16Get(body);
  const unsigned bitsPerSample = wavLe16Get(body + 14);
  std::fprintf(stdout, kTextFormatTagLine, formatTag);
  std::fprintf(stdout, kTextChannelsLine, unsigned{wavLe16Get(body + 2)});
  std::fprintf(stdout, kTextSampleRateLine,
               static_cast<unsigned long>(wavLe32Get(body + 4)));
  std::fprintf(stdout, kTextByteRateLine,
               static_cast<unsigned long>(wavLe32Get(body + 8)));
  std::fprintf(stdout, kTextBlockAlignLine, unsigned{wavLe16Get(body + 12)});
  std::fprintf(stdout, kTextBitsLine, bitsPerSample);
  if (formatTag != 1) {
    std::fprintf(stderr, kTextNotPcm);
    std::fprintf(stderr, kTextFormatTag, formatTag);
    return -1;
  }
  if (bitsPerSample != 8 && bitsPerSample != 16) {
    std::fprintf(stderr, kTextNot8Or16Bits);
    std::fprintf(stderr, kTextBits, static_cast<int>(bitsPerSample));
    return -1;
  }
  return 0;
}

int wavInfoRead(const char* name, WavInfo* info) {
  *info = WavInfo{};
  // A folder, like a missing file, is an input that cannot be opened.
  WavFile file(wavFileOpenRead(name));
  if (!file) {
    std::fprintf(stderr, kTextInputOpenFailed, name);
    return -1;
  }
  std::fprintf(stdout, kTextFileName, name);

  unsigned char riff[kWavRiffHeaderSize];
  if (std::fread(riff, sizeof riff, 1, file.get()) != 1) {
    std::fprintf(stderr, kTextReadFailed,
                 static_cast<long long>(wavFileTell(file.get())));
    return -1;
  }
  // "WAVE" is looked for first, so a file with neither tag is told it lacks
  // "WAVE"; a big-endian RIFX file has "WAVE" and is told it is not RIFF.
  if (std::memcmp(riff + 8, "WAVE", 4) != 0) {
    std::fprintf(stderr, kTextWaveMissing);
    return -1;
  }
  if (std::memcmp(riff, "RIFF", 4) != 0) {
    std::fprintf(stderr, kTextNotRiff);
    return -1;
  }

  // Every chunk is reported; the last "fmt " and the last "data" set the
  // fields. Sizes are unsigned and positions 64-bit, so the next header
  // always lies past the current one and the walk ends at the end of the
  // file. A header that cannot be read whole is that end.
  bool fmtSeen = false;
  bool dataSeen = false;
  std::int64_t pos = kWavRiffHeaderSize;
  unsigned char header[kWavChunkHeaderSize];
  while (wavFileSeek(file.get(), pos) == 0 &&
         std::fread(header, sizeof header, 1, file.get()) == 1) {
    const std::uint32_t size = wavLe32Get(header + 4);
    const std::int64_t body = pos + kWavChunkHeaderSize;
    if (std::memcmp(header, "fmt ", 4) == 0) {
      std::fprintf(stderr, kTextFmtLength, static_cast<unsigned long>(size));
      // A shorter body cannot hold the six fields; reading 16 bytes anyway
      // would take them from the next chunk.
      if (size < kWavFmtSize) {
        std::fprintf(stderr, kTextFmtShort);
        return -1;
      }
      unsigned char fmt[kWavFmtSize];
      if (wavFmtRead(file.get(), fmt) != 0) return -1;
      info->channels = wavLe16Get(fmt + 2);
      info->sampleRate = wavLe32Get(fmt + 4);
      info->byteRate = wavLe32Get(fmt + 8);
      info->bitsPerSample = wavLe16Get(fmt + 14);
      fmtSeen = true;
    } else if (std::memcmp(header, "data", 4) == 0) {
      info->dataSize = size;
      std::fprintf(stderr, kTextDataLength, static_cast<unsigned long>(size));
      info->dataOffset = body;
      dataSeen = true;
    } else {
      std::fprintf(stdout, kTextChunkLength, header[0], header[1], header[2],
                   header[3], static_cast<unsigned long>(size));
    }
    pos = body + size;
    if (size % 2 != 0) pos = wavPadSkip(file.get(), pos);
  }
  file.reset();

  // The merge needs the fields of both chunks; a file without one is no
  // usable WAV file.
  if (!fmtSeen) {
    std::fprintf(stderr, kTextFmtMissing);
    return -1;
  }
  if (!dataSeen) {
    std::fprintf(stderr, kTextDataMissing);
    return -1;
  }
  const double byteRate = wavByteRateGet(*info);
  std::fprintf(stdout, kTextPlayTime,
               byteRate > 0 ? info->dataSize / byteRate : 0.0);
  return 0;
}
