// Inspection of one input WAV file: checks the RIFF/WAVE header, walks and
// reports every chunk, reports and validates the format chunk, and notes
// where the sample data lies.
#ifndef DUVOX_WAVIN_WAVINFO_H_
#define DUVOX_WAVIN_WAVINFO_H_

#include <cstdint>
#include <cstdio>

// What the rest of the tool knows about one input.
struct WavInfo {
  std::uint32_t sampleRate = 0;     // Hz, per channel
  std::uint16_t bitsPerSample = 0;  // 8 or 16 once accepted
  std::uint32_t dataSize = 0;       // declared length of the data chunk
  std::uint16_t channels = 0;
  std::uint32_t byteRate = 0;       // as the file declares it
  std::int64_t dataOffset = 0;      // first sample byte
};

// The body of a "fmt " chunk as read: 16 bytes, little-endian.
constexpr int kWavFmtSize = 16;

// Inspects the file `name` and fills `info`. Writes the report (file name,
// one line per chunk, the six format fields, the playing time) and any
// rejection text to standard output and standard error. Returns 0 when the
// file is a PCM 8/16-bit RIFF/WAVE file with a "fmt " and a "data" chunk,
// else -1; the file is closed either way.
int wavInfoRead(const char* name, WavInfo* info);

// Reads a "fmt " body of kWavFmtSize bytes from the current position of
// `file` into `body`, writes its six fields to standard output, and accepts
// only uncompressed PCM with 8 or 16 bits per sample. Returns 0 or -1, with
// the rejection text written to standard error. Neither seeks nor closes.
int wavFmtRead(std::FILE* file, unsigned char body[kWavFmtSize]);

#endif  // DUVOX_WAVIN_WAVINFO_H_
