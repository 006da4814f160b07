// Builds small WAV files, well-formed or deliberately broken, for the tests.
#ifndef DUVOX_TESTS_SUPPORT_WAVBUILDER_H_
#define DUVOX_TESTS_SUPPORT_WAVBUILDER_H_

#include <cstdint>
#include <string>

// The six fields of a "fmt " body. byteRate and blockAlign default to the
// values the other fields imply.
struct TestFmt {
  std::uint16_t tag = 1;
  std::uint16_t channels = 2;
  std::uint32_t rate = 8000;
  std::uint16_t bits = 16;
  std::int64_t byteRate = -1;    // -1: rate * channels * bits / 8
  std::int32_t blockAlign = -1;  // -1: channels * bits / 8
  std::uint32_t byteRateValue() const;
  std::uint16_t blockAlignValue() const;
};

std::string le16(std::uint16_t v);
std::string le32(std::uint32_t v);

// Appends pieces of a RIFF file in order. Nothing is checked: a test may
// declare any size and put any bytes anywhere.
class WavBuilder {
 public:
  // "RIFF", a size, "WAVE"; the size is filled in by bytes() unless given.
  WavBuilder& header(const std::string& riff = "RIFF",
                     const std::string& wave = "WAVE");
  // A chunk of the given body; a pad byte follows an odd-sized body when
  // `pad` is set.
  WavBuilder& chunk(const std::string& id, const std::string& body,
                    bool pad = true);
  // A chunk header declaring `size` followed by `body`, whatever its length.
  WavBuilder& chunkDeclared(const std::string& id, std::uint32_t size,
                            const std::string& body);
  // A "fmt " chunk of `size` bytes (14, 16, 18, ...): the 16-byte body cut
  // or extended with zeros.
  WavBuilder& fmt(const TestFmt& f, std::uint32_t size = 16);
  WavBuilder& data(const std::string& samples, bool pad = true);
  WavBuilder& raw(const std::string& bytes);
  std::string bytes() const;
  void write(const std::string& path) const;

 private:
  std::string bytes_;
  bool riffSizeFill_ = false;
};

// The 16-byte "fmt " body.
std::string fmtBody(const TestFmt& f);

// Samples that tell file, channel and frame apart: frame i of file `tag`
// (1..7) has distinct left and right samples, none of them repeated within
// 2048 frames (16-bit) or 32 frames (8-bit).
std::string testSamples(int tag, std::uint16_t bits, std::uint32_t frames);

// A canonical stereo file: RIFF header, 16-byte "fmt ", "data".
std::string stereoWav(int tag, std::uint16_t bits, std::uint32_t frames,
                      std::uint32_t rate = 8000);

// The frames the merge must produce from the data of the longer (first) and
// the shorter (second) input: one frame at a time, the first input's left
// sample and the second's left sample while the second lasts, then the
// first's own frame.
std::string mergeModel(const std::string& firstData,
                       const std::string& secondData, std::uint16_t bits);

std::string fileRead(const std::string& path);
void fileWrite(const std::string& path, const std::string& bytes);

#endif  // DUVOX_TESTS_SUPPORT_WAVBUILDER_H_
