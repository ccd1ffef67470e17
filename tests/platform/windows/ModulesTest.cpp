#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/windows/Modules.h"

namespace {

struct TModuleFixture : ::testing::Test {
  void SetUp() override { Module = LoadLibrary(MORVANE_TEST_MODULE); }
  void TearDown() override { FreeLibrary(Module); }
  HMODULE Module = nullptr;
};

TEST_F(TModuleFixture, ExportsAreFoundByArbitraryNameOrBySymbol) {
  ASSERT_NE(Module, nullptr) << LastModuleError();
  auto registerProc = reinterpret_cast<int (*)()>(GetProcAddress(Module, "Unit.Register@51F89FF7"));
  ASSERT_NE(registerProc, nullptr);
  EXPECT_EQ(registerProc(), 51);
  auto plain = reinterpret_cast<int (*)()>(GetProcAddress(Module, "PlainExport"));
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(plain(), 7);
  EXPECT_EQ(GetProcAddress(Module, "unit.register@51F89FF7"), nullptr) << "export names keep their case";
}

TEST_F(TModuleFixture, ResourcesAreFoundByTypeAndByNameWithoutRegardToCase) {
  struct {
    const char* name;
    const char* type;
    DWORD size;  // 0: not found
  } cases[] = {{"Greeting", RT_RCDATA, 13}, {"GREETING", RT_RCDATA, 13}, {"glyph", RT_BITMAP, 70},
               {"Glyph", RT_RCDATA, 0},     {"Greeting", RT_BITMAP, 0},  {"Nothing", RT_RCDATA, 0}};
  for (auto c : cases) {
    HRSRC r = FindResource(Module, c.name, c.type);
    EXPECT_EQ(r != nullptr, c.size != 0) << c.name;
    EXPECT_EQ(SizeofResource(Module, r), c.size) << c.name;
  }
  HRSRC greeting = FindResource(Module, "greeting", RT_RCDATA);
  auto* text = static_cast<const char*>(LockResource(LoadResource(Module, greeting)));
  EXPECT_EQ(std::string(text, 13), "Hello module\n");
  auto* bitmap = static_cast<const char*>(LockResource(LoadResource(Module, FindResource(Module, "Glyph", RT_BITMAP))));
  EXPECT_EQ(std::string(bitmap, 2), "BM");
}

TEST_F(TModuleFixture, TheModuleKnowsItsFileAndLoadsCountUntilFreed) {
  std::string path = GetModuleFileNameString(Module);
  std::string expected = MORVANE_TEST_MODULE;
  EXPECT_EQ(path.substr(path.find_last_of('/')), expected.substr(expected.find_last_of('/')));
  EXPECT_EQ(GetModuleHandle(path.substr(path.find_last_of('/') + 1).c_str()), Module);
  HMODULE again = LoadLibrary(MORVANE_TEST_MODULE);
  EXPECT_EQ(again, Module);
  EXPECT_TRUE(FreeLibrary(again));
  EXPECT_NE(FindResource(Module, "Greeting", RT_RCDATA), nullptr) << "still loaded once";
}

TEST(Modules, AMissingLibraryAnswersZeroAndTheLoadersReason) {
  EXPECT_EQ(LoadLibrary("/nonexistent/libnothing.so"), nullptr);
  EXPECT_NE(LastModuleError().find("libnothing.so"), std::string::npos) << LastModuleError();
  HMODULE stale = LoadLibrary(MORVANE_TEST_MODULE);
  FreeLibrary(stale);
  EXPECT_FALSE(FreeLibrary(stale));
  EXPECT_EQ(FindResource(stale, "Greeting", RT_RCDATA), nullptr);
}

TEST(Modules, TheProgramHasAModuleAndStringResources) {
  EXPECT_EQ(HInstance(), GetModuleHandle(nullptr));
  char path[4096];
  ASSERT_GT(GetModuleFileName(HInstance(), path, sizeof path), 0u);
  EXPECT_NE(std::string(path).find("test_platform_windows"), std::string::npos);
  RegisterStringResource(64000, "Notimplemented");
  EXPECT_EQ(LoadStr(64000), "Notimplemented");
  EXPECT_EQ(LoadStr(64001), "");
}

}  // namespace
