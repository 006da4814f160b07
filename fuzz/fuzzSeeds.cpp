// Writes the seed corpus of both fuzz targets: small WAV files the way real
// writers make them, and the ways they come broken.
//
//   duvox_fuzz_seeds DIR    # writes DIR/info/* and DIR/merge/*
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "support/wavBuilder.h"

namespace {

using Seed = std::pair<std::string, std::string>;  // name, bytes

std::vector<Seed> infoSeeds() {
  TestFmt pcm16;
  TestFmt pcm8;
  pcm8.bits = 8;
  TestFmt mono;
  mono.channels = 1;
  TestFmt mp3;
  mp3.tag = 0x55;
  TestFmt bits24;
  bits24.bits = 24;
  TestFmt rate0;
  rate0.byteRate = 0;
  const std::string s16 = testSamples(1, 16, 16);
  return {
      {"pcm16", stereoWav(1, 16, 16)},
      {"pcm8", stereoWav(2, 8, 24)},
      {"mono", WavBuilder().header().fmt(mono).data(s16).bytes()},
      {"chunks", WavBuilder()
                     .header()
                     .chunk("LIST", std::string(26, 'L'))
                     .chunk("odd1", "abc", true)
                     .fmt(pcm16, 18)
                     .chunk("odd2", "x", false)
                     .data(s16)
                     .chunk("id3 ", std::string(7, 'i'), true)
                     .bytes()},
      {"data-first", WavBuilder().header().data(s16).fmt(pcm8).bytes()},
      {"two-fmt", WavBuilder().header().fmt(mono).fmt(pcm16).data(s16).bytes()},
      {"fmt14", WavBuilder().header().fmt(pcm16, 14).data(s16).bytes()},
      {"fmt-cut",
       WavBuilder().header().chunkDeclared("fmt ", 16, "\1\0\2\0").bytes()},
      {"extensible", WavBuilder().header().fmt(pcm16, 40).data(s16).bytes()},
      {"mp3", WavBuilder().header().fmt(mp3).data(s16).bytes()},
      {"bits24", WavBuilder().header().fmt(bits24).data(s16).bytes()},
      {"byterate0", WavBuilder().header().fmt(rate0).data(s16).bytes()},
      {"rifx", WavBuilder().header("RIFX").fmt(pcm16).data(s16).bytes()},
      {"no-wave", WavBuilder().header("RIFF", "AVI ").fmt(pcm16).bytes()},
      {"no-data", WavBuilder().header().fmt(pcm16).bytes()},
      {"data-long", WavBuilder().header().fmt(pcm16)
                        .chunkDeclared("data", 0x80000000u, s16).bytes()},
      {"huge-chunk", WavBuilder().header().fmt(pcm16).data(s16)
                         .chunkDeclared("junk", 0xfffffff8u, "").bytes()},
      {"short", "RIFF\1"},
      {"text", "hello world, this is not a sound\n"},
  };
}

std::vector<Seed> mergeSeeds() {
  TestFmt pcm16;
  TestFmt mono;
  mono.channels = 1;
  TestFmt rate;
  rate.rate = 11025;
  const std::string s16 = testSamples(3, 16, 12);
  const std::vector<Seed> pairs[] = {
      {{"16-long-short", stereoWav(1, 16, 32)}, {"", stereoWav(2, 16, 12)}},
      {{"16-short-long", stereoWav(1, 16, 8)}, {"", stereoWav(2, 16, 20)}},
      {{"8-equal", stereoWav(1, 8, 24)}, {"", stereoWav(2, 8, 24)}},
      {{"8-16", stereoWav(1, 8, 24)}, {"", stereoWav(2, 16, 24)}},
      {{"mono", stereoWav(1, 16, 8)},
       {"", WavBuilder().header().fmt(mono).data(s16).bytes()}},
      {{"rate", stereoWav(1, 16, 8)},
       {"", WavBuilder().header().fmt(rate).data(s16).bytes()}},
      {{"cut", WavBuilder().header().fmt(pcm16)
                   .chunkDeclared("data", 400, s16).bytes()},
       {"", stereoWav(2, 16, 20)}},
      {{"chunks", WavBuilder().header().chunk("LIST", "abcd").fmt(pcm16, 18)
                      .chunk("odd ", "x", false).data(s16 + "\1").bytes()},
       {"", stereoWav(2, 16, 4)}},
      {{"empty-second", stereoWav(1, 16, 8)}, {"", ""}},
  };
  std::vector<Seed> out;
  for (const auto& p : pairs) {
    const std::string& first = p[0].second;
    const auto n = static_cast<std::uint16_t>(first.size());
    out.push_back({p[0].first, le16(n) + first + p[1].second});
  }
  // Every kind of single file, after a good first input.
  const std::string good = stereoWav(1, 16, 16);
  for (const Seed& s : infoSeeds()) {
    out.push_back({"then-" + s.first,
                   le16(static_cast<std::uint16_t>(good.size())) + good +
                       s.second});
  }
  return out;
}

void seedsWrite(const std::filesystem::path& dir,
                const std::vector<Seed>& seeds) {
  std::filesystem::create_directories(dir);
  for (const Seed& s : seeds) fileWrite((dir / s.first).string(), s.second);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: duvox_fuzz_seeds DIR\n");
    return 2;
  }
  const std::filesystem::path dir(argv[1]);
  seedsWrite(dir / "info", infoSeeds());
  seedsWrite(dir / "merge", mergeSeeds());
  return 0;
}
