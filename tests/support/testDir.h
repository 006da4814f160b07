// A fresh, empty folder for each test, removed afterwards.
#ifndef DUVOX_TESTS_SUPPORT_TESTDIR_H_
#define DUVOX_TESTS_SUPPORT_TESTDIR_H_

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

class TempDirTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // The full path of `name` inside the test's folder.
  std::string path(const std::string& name) const;
  bool exists(const std::string& name) const;
  std::filesystem::path dir_;
};

#endif  // DUVOX_TESTS_SUPPORT_TESTDIR_H_
