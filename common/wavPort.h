// What differs between the platforms duvox runs on, behind one small
// interface. Only wavPort.cpp looks at the platform.
#ifndef DUVOX_COMMON_WAVPORT_H_
#define DUVOX_COMMON_WAVPORT_H_

#include <cstdint>
#include <cstdio>
#include <memory>

// Opens the file `name` for binary reading ("rb"), or returns nullptr. A
// folder is never opened: some systems open one for reading and fail only
// at its first read.
std::FILE* wavFileOpenRead(const char* name);

// Moves the stream to the absolute byte position `pos`, which may lie past
// 2 GiB (and past the end of the file). Returns 0, or -1 if the stream
// cannot be positioned there.
int wavFileSeek(std::FILE* file, std::int64_t pos);

// The stream's absolute byte position, or -1 if it cannot be told.
std::int64_t wavFileTell(std::FILE* file);

// 1 when both names reach one and the same file (the same path, another
// spelling of it, a hard link or a symbolic link), else 0. A name that
// reaches no existing file matches nothing.
int wavFileMatch(const char* name1, const char* name2);

// Closes a stream on every way out of the function that opened it. Streams
// whose close must be checked (the output) are released and closed by hand.
struct WavFileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using WavFile = std::unique_ptr<std::FILE, WavFileCloser>;

#endif  // DUVOX_COMMON_WAVPORT_H_
