#include "support/wavBuilder.h"

#include <cstdio>
#include <stdexcept>

std::uint32_t TestFmt::byteRateValue() const {
  return byteRate >= 0 ? static_cast<std::uint32_t>(byteRate)
                       : rate * channels * (bits / 8u);
}

std::uint16_t TestFmt::blockAlignValue() const {
  return static_cast<std::uint16_t>(blockAlign >= 0 ? blockAlign
                                                    : channels * (bits / 8));
}

std::string le16(std::uint16_t v) {
  return {static_cast<char>(v & 0xff), static_cast<char>(v >> 8)};
}

std::string le32(std::uint32_t v) {
  return le16(static_cast<std::uint16_t>(v & 0xffff)) +
         le16(static_cast<std::uint16_t>(v >> 16));
}

std::string fmtBody(const TestFmt& f) {
  return le16(f.tag) + le16(f.channels) + le32(f.rate) +
         le32(f.byteRateValue()) + le16(f.blockAlignValue()) + le16(f.bits);
}

WavBuilder& WavBuilder::header(const std::string& riff,
                               const std::string& wave) {
  riffSizeFill_ = true;
  bytes_ += riff + le32(0) + wave;
  return *this;
}

WavBuilder& WavBuilder::chunk(const std::string& id, const std::string& body,
                              bool pad) {
  chunkDeclared(id, static_cast<std::uint32_t>(body.size()), body);
  if (pad && body.size() % 2 != 0) bytes_ += '\0';
  return *this;
}

WavBuilder& WavBuilder::chunkDeclared(const std::string& id,
                                      std::uint32_t size,
                                      const std::string& body) {
  bytes_ += id + le32(size) + body;
  return *this;
}

WavBuilder& WavBuilder::fmt(const TestFmt& f, std::uint32_t size) {
  std::string body = fmtBody(f);
  body.resize(size, '\0');
  return chunk("fmt ", body);
}

WavBuilder& WavBuilder::data(const std::string& samples, bool pad) {
  return chunk("data", samples, pad);
}

WavBuilder& WavBuilder::raw(const std::string& bytes) {
  bytes_ += bytes;
  return *this;
}

std::string WavBuilder::bytes() const {
  std::string out = bytes_;
  if (riffSizeFill_ && out.size() >= 8) {
    out.replace(4, 4, le32(static_cast<std::uint32_t>(out.size() - 8)));
  }
  return out;
}

void WavBuilder::write(const std::string& path) const {
  fileWrite(path, bytes());
}

std::string testSamples(int tag, std::uint16_t bits, std::uint32_t frames) {
  std::string out;
  for (std::uint32_t i = 0; i < frames; ++i) {
    if (bits == 8) {
      const int base = tag * 64 % 256;
      out += static_cast<char>(base + static_cast<int>(i % 32));
      out += static_cast<char>((base + 32 + static_cast<int>(i % 32)) % 256);
    } else {
      const auto t = static_cast<std::uint16_t>(tag << 12);
      out += le16(static_cast<std::uint16_t>(t | (i & 0x7ff)));
      out += le16(static_cast<std::uint16_t>(t | 0x800 | (i & 0x7ff)));
    }
  }
  return out;
}

std::string stereoWav(int tag, std::uint16_t bits, std::uint32_t frames,
                      std::uint32_t rate) {
  TestFmt f;
  f.bits = bits;
  f.rate = rate;
  return WavBuilder().header().fmt(f).data(testSamples(tag, bits, frames))
      .bytes();
}

std::string mergeModel(const std::string& firstData,
                       const std::string& secondData, std::uint16_t bits) {
  const std::size_t sample = bits / 8;
  const std::size_t frame = 2 * sample;
  const std::size_t frames = firstData.size() / frame;
  const std::size_t secondFrames = secondData.size() / frame;
  std::string out;
  for (std::size_t i = 0; i < frames; ++i) {
    out += firstData.substr(i * frame, sample);
    out += i < secondFrames ? secondData.substr(i * frame, sample)
                            : firstData.substr(i * frame + sample, sample);
  }
  return out;
}

// C streams, as the tool uses: on Windows they take a name in the ANSI code
// page, so a test reaches the very file the tool reaches by that name.
std::string fileRead(const std::string& path) {
  std::FILE* in = std::fopen(path.c_str(), "rb");
  if (!in) throw std::runtime_error("cannot read " + path);
  std::string bytes;
  char block[65536];
  std::size_t got;
  while ((got = std::fread(block, 1, sizeof block, in)) > 0) {
    bytes.append(block, got);
  }
  const bool failed = std::ferror(in) != 0;
  std::fclose(in);
  if (failed) throw std::runtime_error("cannot read " + path);
  return bytes;
}

void fileWrite(const std::string& path, const std::string& bytes) {
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) throw std::runtime_error("cannot write " + path);
  const bool written =
      std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
  if (std::fclose(out) != 0 || !written) {
    throw std::runtime_error("cannot write " + path);
  }
}
