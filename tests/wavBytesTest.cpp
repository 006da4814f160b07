#include "common/wavBytes.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(WavBytes, ReadsAndWritesLittleEndian) {
  const unsigned char in[4] = {0x78, 0x56, 0x34, 0xf2};
  EXPECT_EQ(wavLe16Get(in), 0x5678u);
  EXPECT_EQ(wavLe16Get(in + 2), 0xf234u);
  EXPECT_EQ(wavLe32Get(in), 0xf2345678u);

  unsigned char out[6] = {};
  wavLe32Put(out, 0xfedcba98u);
  wavLe16Put(out + 4, 0xabcd);
  const unsigned char want[6] = {0x98, 0xba, 0xdc, 0xfe, 0xcd, 0xab};
  EXPECT_EQ(0, std::memcmp(out, want, sizeof want));
}
