#pragma once
// A fixture with a fresh folder per test, removed afterwards, and helpers to
// put a file's exact bytes there and read them back.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

class TempFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FDir = std::filesystem::temp_directory_path() /
           ("morvane-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(FDir);
    std::filesystem::create_directories(FDir);
  }
  void TearDown() override { std::filesystem::remove_all(FDir); }

  static void WriteFile(const std::string& fileName, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(fileName).parent_path());
    std::ofstream(fileName, std::ios::binary) << bytes;
  }
  static std::string ReadFile(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  std::filesystem::path FDir;
};
