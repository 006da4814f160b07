#include "common/wavPort.h"

#include <filesystem>
#include <system_error>

#ifdef _WIN32
// The C library's long is 32 bits here; the 64-bit calls reach past 2 GiB.
int wavFileSeek(std::FILE* file, std::int64_t pos) {
  return _fseeki64(file, pos, SEEK_SET) == 0 ? 0 : -1;
}

std::int64_t wavFileTell(std::FILE* file) { return _ftelli64(file); }
#else
// The build defines _FILE_OFFSET_BITS=64, so off_t is 64 bits everywhere.
int wavFileSeek(std::FILE* file, std::int64_t pos) {
  if (pos < 0) return -1;
  return fseeko(file, static_cast<off_t>(pos), SEEK_SET) == 0 ? 0 : -1;
}

std::int64_t wavFileTell(std::FILE* file) {
  return static_cast<std::int64_t>(ftello(file));
}
#endif

int wavFileMatch(const char* name1, const char* name2) {
  // equivalent() compares the files themselves (device and inode, or the
  // volume and file index on Windows), so case, separators, links and
  // relative spellings all resolve; a missing file is an error, not a match.
  std::error_code error;
  const bool same = std::filesystem::equivalent(
      std::filesystem::path(name1), std::filesystem::path(name2), error);
  return !error && same ? 1 : 0;
}
