// Little-endian integers as they stand in RIFF files, built and split with
// shifts so the host's byte order never matters.
#ifndef DUVOX_COMMON_WAVBYTES_H_
#define DUVOX_COMMON_WAVBYTES_H_

#include <cstdint>

inline std::uint16_t wavLe16Get(const unsigned char* p) {
  return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

inline std::uint32_t wavLe32Get(const unsigned char* p) {
  return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 |
         std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
}

inline void wavLe16Put(unsigned char* p, std::uint16_t v) {
  p[0] = static_cast<unsigned char>(v);
  p[1] = static_cast<unsigned char>(v >> 8);
}

inline void wavLe32Put(unsigned char* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
}

#endif  // DUVOX_COMMON_WAVBYTES_H_
