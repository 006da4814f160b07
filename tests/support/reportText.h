// The texts a user expects from duvox, written out in UTF-8 by hand; the
// tests convert them with sjis() and compare them with what the tool wrote.
#ifndef DUVOX_TESTS_SUPPORT_REPORTTEXT_H_
#define DUVOX_TESTS_SUPPORT_REPORTTEXT_H_

#include <cstdint>
#include <cstdio>
#include <string>

#include "support/wavBuilder.h"

inline std::string fileNameText(const std::string& name) {
  return "\nファイル名[" + name + "]\n";
}

inline std::string fmtLengthText(std::uint32_t size) {
  return " \"fmt \"の長さ: " + std::to_string(size) + " [bytes]\n";
}

inline std::string dataLengthText(std::uint32_t size) {
  return "\n \"data\" の長さ: " + std::to_string(size) + " [bytes]\n";
}

inline std::string chunkText(const std::string& id, std::uint32_t size) {
  return " \"" + id + "\"の長さ: " + std::to_string(size) + " [bytes]\n";
}

inline std::string fmtLinesText(const TestFmt& f) {
  return "             データ形式: " + std::to_string(f.tag) +
         " (1 = PCM)\n" + "           チャンネル数: " +
         std::to_string(f.channels) + "\n" +
         "     サンプリング周波数: " + std::to_string(f.rate) + " [Hz]\n" +
         "          バイト数 / 秒: " + std::to_string(f.byteRateValue()) +
         " [bytes/sec]\n" + " バイト数×チャンネル数: " +
         std::to_string(f.blockAlignValue()) + " [bytes]\n" +
         "    ビット数 / サンプル: " + std::to_string(f.bits) +
         " [bits/sample]\n";
}

inline std::string playTimeText(const std::string& seconds) {
  return "\n 時間=" + seconds + "\n";
}

inline std::string playTimeText(double seconds) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.3f", seconds);
  return playTimeText(std::string(buf));
}

// What inspecting a canonical file (header, 16-byte "fmt ", "data") prints.
struct ReportText {
  std::string out;
  std::string err;
};

inline ReportText canonicalReport(const std::string& name, const TestFmt& f,
                                  std::uint32_t dataSize) {
  return {fileNameText(name) + fmtLinesText(f) +
              playTimeText(static_cast<double>(dataSize) / f.byteRateValue()),
          fmtLengthText(16) + dataLengthText(dataSize)};
}

inline std::string mergedText(const std::string& a, const std::string& b,
                              const std::string& out) {
  return "\n[" + a + "] と [" + b + "] を [" + out + "] へ合成しました.\n";
}

inline const char* const kUsageText =
    "二つのWAVファイルからひとつのWAVファイルを作成します.\n\n"
    "引数に <入力ファイル名１> <入力ファイル名２> <出力ファイル名>を\n"
    "指定してください.\n\n"
    "例 : duvox  foo.wav  bar.wav out.wav\n";

#endif  // DUVOX_TESTS_SUPPORT_REPORTTEXT_H_
