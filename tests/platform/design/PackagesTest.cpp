// Package modules built with the package SDK: loading, PACKAGEINFO, the
// units' exports and glyphs, and what goes wrong.

#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"
#include "platform/design/ComponentRegistration.h"
#include "platform/design/Packages.h"
#include "platform/windows/Modules.h"
#include "tests/platform/design/packages/PackageTestLog.h"

namespace {
std::vector<std::string> Events;
}  // namespace

void PackageTestLog(const std::string& event) { Events.push_back(event); }

namespace {

using TNames = std::vector<std::string>;

// The package's file name as a user writes it: upper case, in its folder.
std::string UpperCasePackageName() {
  return ExtractFilePath(MORVANE_TEST_PACKAGE) + UpperCase(ExtractFileName(MORVANE_TEST_PACKAGE));
}

class Packages : public ::testing::Test {
 protected:
  void SetUp() override { Events.clear(); }
  void TearDown() override {
    if (Module) UnloadPackage(Module);
  }
  HMODULE Module = nullptr;
};

TEST_F(Packages, LoadFindsTheFileWhateverItsLetterCaseAndInitializesItsUnitsInOrder) {
  Module = LoadPackage(UpperCasePackageName());
  ASSERT_NE(Module, nullptr);
  EXPECT_EQ(Events, (TNames{"UnitAlpha.Initialize", "UnitBeta.Initialize", "UnitGamma.Initialize"}));
}

TEST_F(Packages, PackageInfoListsTheUnitsInTheResourceLayout) {
  Module = LoadPackage(MORVANE_TEST_PACKAGE);
  HRSRC resource = FindResource(Module, "PACKAGEINFO", RT_RCDATA);
  ASSERT_NE(resource, nullptr);
  const auto* data = static_cast<const char*>(LockResource(LoadResource(Module, resource)));
  const std::string bytes(data, SizeofResource(Module, resource));
  const std::string expected(
      "\x02\x00\x00\x40"           // a design-only package module
      "\x00\x00\x00\x00"           // requires nothing
      "\x03\x00\x00\x00"           // three units: flags, hash, name, NUL
      "\x00\x4C" "UnitAlpha\0"
      "\x00\xBB" "UnitBeta\0"
      "\x00\x3A" "UnitGamma\0",
      12 + 3 * 3 + 9 + 8 + 9);
  EXPECT_EQ(bytes, expected);

  TPackageInfo info;
  ASSERT_TRUE(GetPackageInfo(Module, info));
  EXPECT_TRUE(info.IsPackage());
  EXPECT_EQ(WritePackageInfo(info), expected);
}

TEST_F(Packages, RegistrationExportsAreFoundByUnitNameAndRegisterTheirClasses) {
  Module = LoadPackage(MORVANE_TEST_PACKAGE);
  TNames registered;
  RegisterComponentsProc = [&](const std::string& page, const TComponentClasses& classes) {
    for (TComponentClass c : classes) registered.push_back(page + ":" + c->ClassName());
  };
  TPackageInfo info;
  ASSERT_TRUE(GetPackageInfo(Module, info));
  for (const TPackageUnit& unit : info.Contains) {
    void* proc = GetProcAddress(Module, UnitRegisterExportName(unit.Name).c_str());
    ASSERT_NE(proc, nullptr) << unit.Name;
    reinterpret_cast<void (*)()>(proc)();
  }
  RegisterComponentsProc = nullptr;
  EXPECT_EQ(registered, (TNames{"Buttons:TAlphaButton", "Labels:TBetaLabel", "System:TGammaTimer"}));
  EXPECT_EQ(GetProcAddress(Module, "unitalpha.Register@51F89FF7"), nullptr);
}

TEST_F(Packages, GlyphsAreBitmapResourcesNamedAfterEachClass) {
  Module = LoadPackage(MORVANE_TEST_PACKAGE);
  for (const char* cls : {"TAlphaButton", "TBetaLabel", "TGammaTimer", "tgammatimer"}) {
    HRSRC glyph = FindResource(Module, cls, RT_BITMAP);
    ASSERT_NE(glyph, nullptr) << cls;
    const auto* bmp = static_cast<const unsigned char*>(LockResource(LoadResource(Module, glyph)));
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[18], 24) << "24 pixels wide";
  }
  EXPECT_EQ(FindResource(Module, "TNothing", RT_BITMAP), nullptr);
}

TEST_F(Packages, LoadingTwiceCountsUsesAndTheLastUnloadFinalizesInReverseOrder) {
  HMODULE first = LoadPackage(MORVANE_TEST_PACKAGE);
  HMODULE second = LoadPackage(UpperCasePackageName());
  EXPECT_EQ(first, second);
  EXPECT_EQ(Events.size(), 3u);
  UnloadPackage(second);
  EXPECT_EQ(Events.size(), 3u);
  UnloadPackage(first);
  EXPECT_EQ(TNames(Events.begin() + 3, Events.end()),
            (TNames{"UnitGamma.Finalize", "UnitBeta.Finalize", "UnitAlpha.Finalize"}));
  EXPECT_THROW(UnloadPackage(first), EPackageError);
}

TEST_F(Packages, AMissingFileRaisesEPackageErrorWithTheSystemsReason) {
  const std::string missing = ExtractFilePath(MORVANE_TEST_PACKAGE) + "NOSUCH99.DPL";
  try {
    LoadPackage(missing);
    ADD_FAILURE() << "loaded " << missing;
  } catch (const EPackageError& e) {
    EXPECT_NE(e.Message().find("Cannot load package '" + missing + "'"), std::string::npos) << e.Message();
    EXPECT_NE(e.Message().find("No such file"), std::string::npos) << e.Message();
  }
  EXPECT_THROW(LoadPackage("nosuch99.dpl"), EPackageError);
  EXPECT_TRUE(Events.empty());
}

TEST(PackageInfo, ModuleKindComesFromTheTopTwoFlagBits) {
  struct TCase {
    uint32_t Flags;
    bool Package;
  } cases[] = {{0x40000000u, true}, {0x7FFFFFFFu, true}, {0x00000000u, false},
               {0x3FFFFFFFu, false}, {0x80000000u, false}, {0xC0000000u, false}};
  for (const TCase& c : cases) {
    TPackageInfo info;
    info.Flags = c.Flags;
    EXPECT_EQ(ReadPackageInfo(WritePackageInfo(info).data(), 12).IsPackage(), c.Package) << c.Flags;
  }
}

TEST(PackageInfo, DamagedResourcesRaiseEPackageError) {
  TPackageInfo info;
  info.Requires.push_back({0, "core"});
  info.Contains.push_back({0, 0, "Unit1"});
  const std::string whole = WritePackageInfo(info);
  ASSERT_EQ(ReadPackageInfo(whole.data(), whole.size()).Contains.at(0).Name, "Unit1");
  // Every cut short of the whole ends inside a field or a name.
  for (size_t size = 0; size < whole.size(); ++size)
    EXPECT_THROW(ReadPackageInfo(whole.data(), size), EPackageError) << size;
  // A count far beyond the data costs nothing but the error.
  const std::string huge("\x00\x00\x00\x40\xFF\xFF\xFF\x7F\x00" "a", 10);
  EXPECT_THROW(ReadPackageInfo(huge.data(), huge.size()), EPackageError);
  const std::string negative("\x00\x00\x00\x40\xFF\xFF\xFF\xFF\xFE\xFF\xFF\xFF", 12);
  EXPECT_TRUE(ReadPackageInfo(negative.data(), negative.size()).Contains.empty());
}

}  // namespace
