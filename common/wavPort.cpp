#include "common/wavPort.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>

#include <filesystem>
#include <system_error>
#endif

#ifdef _WIN32
// fopen refuses a folder here.
std::FILE* wavFileOpenRead(const char* name) { return std::fopen(name, "rb"); }

// The C library's long is 32 bits here; the 64-bit calls reach past 2 GiB.
int wavFileSeek(std::FILE* file, std::int64_t pos) {
  return _fseeki64(file, pos, SEEK_SET) == 0 ? 0 : -1;
}

std::int64_t wavFileTell(std::FILE* file) { return _ftelli64(file); }
#else
std::FILE* wavFileOpenRead(const char* name) {
  std::FILE* file = std::fopen(name, "rb");
  struct stat status;
  if (file && fstat(fileno(file), &status) == 0 && S_ISDIR(status.st_mode)) {
    std::fclose(file);
    return nullptr;
  }
  return file;
}

// The build defines _FILE_OFFSET_BITS=64, so off_t is 64 bits everywhere.
int wavFileSeek(std::FILE* file, std::int64_t pos) {
  if (pos < 0) return -1;
  return fseeko(file, static_cast<off_t>(pos), SEEK_SET) == 0 ? 0 : -1;
}

std::int64_t wavFileTell(std::FILE* file) {
  return static_cast<std::int64_t>(ftello(file));
}
#endif

#ifdef _WIN32
namespace {

// The volume and file index of the file `name` reaches, through any links.
// The name is taken in the ANSI code page, as fopen takes it; converting it
// by any other rule (std::filesystem's) can reach no file for a Japanese
// name, and an output that names an input would then go unnoticed.
bool wavFileIdGet(const char* name, BY_HANDLE_FILE_INFORMATION* id) {
  const HANDLE file = CreateFileA(
      name, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool known = GetFileInformationByHandle(file, id) != 0;
  CloseHandle(file);
  return known;
}

}  // namespace

int wavFileMatch(const char* name1, const char* name2) {
  BY_HANDLE_FILE_INFORMATION id1;
  BY_HANDLE_FILE_INFORMATION id2;
  if (!wavFileIdGet(name1, &id1) || !wavFileIdGet(name2, &id2)) return 0;
  return id1.dwVolumeSerialNumber == id2.dwVolumeSerialNumber &&
                 id1.nFileIndexHigh == id2.nFileIndexHigh &&
                 id1.nFileIndexLow == id2.nFileIndexLow
             ? 1
             : 0;
}
#else
int wavFileMatch(const char* name1, const char* name2) {
  // equivalent() compares the files themselves (device and inode), so
  // relative spellings and links all resolve; a missing file is an error,
  // not a match.
  std::error_code error;
  const bool same = std::filesystem::equivalent(
      std::filesystem::path(name1), std::filesystem::path(name2), error);
  return !error && same ? 1 : 0;
}
#endif
