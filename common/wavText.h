// Every text that duvox writes to the console, as the exact Shift_JIS (code
// page 932) bytes it writes. The readable text stands in the comment above
// each array; the bytes were made from it with `iconv -f UTF-8 -t CP932`.
//
// Hex escapes keep this file plain ASCII, so no compiler charset setting can
// change a byte. A literal is split ("\x83" "C") wherever an escape is
// followed by a hex digit. The arrays are visible constexpr so that gcc and
// clang check each printf conversion against its arguments.
#ifndef DUVOX_COMMON_WAVTEXT_H_
#define DUVOX_COMMON_WAVTEXT_H_

// ---- standard error ----

// "二つのWAVファイルからひとつのWAVファイルを作成します.\n\n引数に <入力ファイル名１> <入力ファイル名２> <出力ファイル名>を\n指定してください.\n\n例 : duvox  foo.wav  bar.wav out.wav\n"
inline constexpr char kTextUsage[] =
    "\x93\xf1\x82\xc2\x82\xccWAV\x83t\x83@\x83" "C\x83\x8b\x82\xa9\x82\xe7\x82\xd0\x82\xc6\x82\xc2\x82\xccWAV\x83t\x83@\x83" "C\x83\x8b\x82\xf0\x8d\xec\x90\xac\x82\xb5\x82\xdc\x82\xb7.\n"
    "\n"
    "\x88\xf8\x90\x94\x82\xc9 <\x93\xfc\x97\xcd\x83t\x83@\x83" "C\x83\x8b\x96\xbc\x82P> <\x93\xfc\x97\xcd\x83t\x83@\x83" "C\x83\x8b\x96\xbc\x82Q> <\x8fo\x97\xcd\x83t\x83@\x83" "C\x83\x8b\x96\xbc>\x82\xf0\n"
    "\x8ew\x92\xe8\x82\xb5\x82\xc4\x82\xad\x82\xbe\x82\xb3\x82\xa2.\n"
    "\n"
    "\x97\xe1 : duvox  foo.wav  bar.wav out.wav\n";

// "\n入力ファイルがステレオファイルでありません!\n"
inline constexpr char kTextNotStereo[] =
    "\n"
    "\x93\xfc\x97\xcd\x83t\x83@\x83" "C\x83\x8b\x82\xaa\x83X\x83" "e\x83\x8c\x83I\x83t\x83@\x83" "C\x83\x8b\x82\xc5\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1!\n";

// " %sをオープンできません.\n"
inline constexpr char kTextInputOpenFailed[] = " %s\x82\xf0\x83I\x81[\x83v\x83\x93\x82\xc5\x82\xab\x82\xdc\x82\xb9\x82\xf1.\n";

// " %lld で読み込み失敗.\n"
inline constexpr char kTextReadFailed[] = " %lld \x82\xc5\x93\xc7\x82\xdd\x8d\x9e\x82\xdd\x8e\xb8\x94s.\n";

// "'WAVE' が無い.\n"
inline constexpr char kTextWaveMissing[] = "'WAVE' \x82\xaa\x96\xb3\x82\xa2.\n";

// "'RIFF' フォーマットでない.\n"
inline constexpr char kTextNotRiff[] = "'RIFF' \x83t\x83H\x81[\x83}\x83" "b\x83g\x82\xc5\x82\xc8\x82\xa2.\n";

// " "fmt "の長さ: %lu [bytes]\n"
inline constexpr char kTextFmtLength[] = " \"fmt \"\x82\xcc\x92\xb7\x82\xb3: %lu [bytes]\n";

// "'fmt ' チャンクが短い.\n"
inline constexpr char kTextFmtShort[] = "'fmt ' \x83`\x83\x83\x83\x93\x83N\x82\xaa\x92Z\x82\xa2.\n";

// "\n "data" の長さ: %lu [bytes]\n"
inline constexpr char kTextDataLength[] = "\n \"data\" \x82\xcc\x92\xb7\x82\xb3: %lu [bytes]\n";

// "'fmt ' チャンクが無い.\n"
inline constexpr char kTextFmtMissing[] = "'fmt ' \x83`\x83\x83\x83\x93\x83N\x82\xaa\x96\xb3\x82\xa2.\n";

// "'data' チャンクが無い.\n"
inline constexpr char kTextDataMissing[] = "'data' \x83`\x83\x83\x83\x93\x83N\x82\xaa\x96\xb3\x82\xa2.\n";

// "\nこのプログラムは無圧縮PCMのみを対象とします.\n"
inline constexpr char kTextNotPcm[] =
    "\n"
    "\x82\xb1\x82\xcc\x83v\x83\x8d\x83O\x83\x89\x83\x80\x82\xcd\x96\xb3\x88\xb3\x8fkPCM\x82\xcc\x82\xdd\x82\xf0\x91\xce\x8f\xdb\x82\xc6\x82\xb5\x82\xdc\x82\xb7.\n";

// "このwavファイルの形式は %04X です．\n"
inline constexpr char kTextFormatTag[] = "\x82\xb1\x82\xccwav\x83t\x83@\x83" "C\x83\x8b\x82\xcc\x8c`\x8e\xae\x82\xcd %04X \x82\xc5\x82\xb7\x81" "D\n";

// "\nこのプログラムは8/16ビットサンプリングされたものを対象とします\n"
inline constexpr char kTextNot8Or16Bits[] =
    "\n"
    "\x82\xb1\x82\xcc\x83v\x83\x8d\x83O\x83\x89\x83\x80\x82\xcd" "8/16\x83r\x83" "b\x83g\x83T\x83\x93\x83v\x83\x8a\x83\x93\x83O\x82\xb3\x82\xea\x82\xbd\x82\xe0\x82\xcc\x82\xf0\x91\xce\x8f\xdb\x82\xc6\x82\xb5\x82\xdc\x82\xb7\n";

// "このwavファイルの bits/secは %d です．\n"
inline constexpr char kTextBits[] = "\x82\xb1\x82\xccwav\x83t\x83@\x83" "C\x83\x8b\x82\xcc bits/sec\x82\xcd %d \x82\xc5\x82\xb7\x81" "D\n";

// "サンプリング周波数が異なると合成できません!\n"
inline constexpr char kTextRateMismatch[] = "\x83T\x83\x93\x83v\x83\x8a\x83\x93\x83O\x8e\xfc\x94g\x90\x94\x82\xaa\x88\xd9\x82\xc8\x82\xe9\x82\xc6\x8d\x87\x90\xac\x82\xc5\x82\xab\x82\xdc\x82\xb9\x82\xf1!\n";

// "サンプルビット数が異なると合成できません!\n"
inline constexpr char kTextBitsMismatch[] = "\x83T\x83\x93\x83v\x83\x8b\x83r\x83" "b\x83g\x90\x94\x82\xaa\x88\xd9\x82\xc8\x82\xe9\x82\xc6\x8d\x87\x90\xac\x82\xc5\x82\xab\x82\xdc\x82\xb9\x82\xf1!\n";

// "ビット当たりのバイト数が異なると合成できません!\n"
inline constexpr char kTextByteRateMismatch[] = "\x83r\x83" "b\x83g\x93\x96\x82\xbd\x82\xe8\x82\xcc\x83o\x83" "C\x83g\x90\x94\x82\xaa\x88\xd9\x82\xc8\x82\xe9\x82\xc6\x8d\x87\x90\xac\x82\xc5\x82\xab\x82\xdc\x82\xb9\x82\xf1!\n";

// "出力ファイル %s が入力ファイルと同じです.\n"
inline constexpr char kTextOutputIsInput[] = "\x8fo\x97\xcd\x83t\x83@\x83" "C\x83\x8b %s \x82\xaa\x93\xfc\x97\xcd\x83t\x83@\x83" "C\x83\x8b\x82\xc6\x93\xaf\x82\xb6\x82\xc5\x82\xb7.\n";

// "%s をオープンできません.\n"
inline constexpr char kTextOpenFailed[] = "%s \x82\xf0\x83I\x81[\x83v\x83\x93\x82\xc5\x82\xab\x82\xdc\x82\xb9\x82\xf1.\n";

// "ヘッダを書き込めません: %s\n"
inline constexpr char kTextHeaderWriteFailed[] = "\x83w\x83" "b\x83_\x82\xf0\x8f\x91\x82\xab\x8d\x9e\x82\xdf\x82\xdc\x82\xb9\x82\xf1: %s\n";

// "wavDataWriteでエラー発生.\n"
inline constexpr char kTextDataWriteFailed[] = "wavDataWrite\x82\xc5\x83G\x83\x89\x81[\x94\xad\x90\xb6.\n";

// ---- standard output ----

// "\nファイル名[%s]\n"
inline constexpr char kTextFileName[] = "\n\x83t\x83@\x83" "C\x83\x8b\x96\xbc[%s]\n";

// " "%c%c%c%c"の長さ: %lu [bytes]\n"
inline constexpr char kTextChunkLength[] = " \"%c%c%c%c\"\x82\xcc\x92\xb7\x82\xb3: %lu [bytes]\n";

// "             データ形式: %u (1 = PCM)\n"
inline constexpr char kTextFormatTagLine[] = "             \x83" "f\x81[\x83^\x8c`\x8e\xae: %u (1 = PCM)\n";

// "           チャンネル数: %u\n"
inline constexpr char kTextChannelsLine[] = "           \x83`\x83\x83\x83\x93\x83l\x83\x8b\x90\x94: %u\n";

// "     サンプリング周波数: %lu [Hz]\n"
inline constexpr char kTextSampleRateLine[] = "     \x83T\x83\x93\x83v\x83\x8a\x83\x93\x83O\x8e\xfc\x94g\x90\x94: %lu [Hz]\n";

// "          バイト数 / 秒: %lu [bytes/sec]\n"
inline constexpr char kTextByteRateLine[] = "          \x83o\x83" "C\x83g\x90\x94 / \x95" "b: %lu [bytes/sec]\n";

// " バイト数×チャンネル数: %u [bytes]\n"
inline constexpr char kTextBlockAlignLine[] = " \x83o\x83" "C\x83g\x90\x94\x81~\x83`\x83\x83\x83\x93\x83l\x83\x8b\x90\x94: %u [bytes]\n";

// "    ビット数 / サンプル: %u [bits/sample]\n"
inline constexpr char kTextBitsLine[] = "    \x83r\x83" "b\x83g\x90\x94 / \x83T\x83\x93\x83v\x83\x8b: %u [bits/sample]\n";

// "\n 時間=%.3f\n"
inline constexpr char kTextPlayTime[] = "\n \x8e\x9e\x8a\xd4=%.3f\n";

// "\n[%s] と [%s] を [%s] へ合成しました.\n"
inline constexpr char kTextMerged[] =
    "\n"
    "[%s] \x82\xc6 [%s] \x82\xf0 [%s] \x82\xd6\x8d\x87\x90\xac\x82\xb5\x82\xdc\x82\xb5\x82\xbd.\n";

#endif  // DUVOX_COMMON_WAVTEXT_H_
