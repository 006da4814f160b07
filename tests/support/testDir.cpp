#include "support/testDir.h"

#include <string>

#ifdef _WIN32
#include <process.h>
#define DUVOX_PID _getpid()
#else
#include <unistd.h>
#define DUVOX_PID getpid()
#endif

void TempDirTest::SetUp() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "-" + info->name();
  for (char& c : name) {
    if (c == '/') c = '_';
  }
  dir_ = std::filesystem::temp_directory_path() /
         ("duvox-" + name + "-" + std::to_string(DUVOX_PID));
  std::filesystem::remove_all(dir_);
  std::filesystem::create_directories(dir_);
}

void TempDirTest::TearDown() {
  std::error_code ignored;
  std::filesystem::remove_all(dir_, ignored);
}

std::string TempDirTest::path(const std::string& name) const {
  // Joined as bytes: a name outside ASCII stays in the bytes the test gave,
  // whatever std::filesystem would make of it.
  return dir_.string() +
         static_cast<char>(std::filesystem::path::preferred_separator) + name;
}

bool TempDirTest::exists(const std::string& name) const {
  return std::filesystem::exists(dir_ / name);
}
