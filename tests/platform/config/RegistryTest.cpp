#include "platform/config/Registry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/classes/Strings.h"
#include "platform/core/Exceptions.h"
#include "tests/platform/config/TempFolderTest.h"

namespace {

class Registry : public TempFolderTest {
 protected:
  void Write(const std::string& text) { WriteFile(FStore, text); }

  std::string FStore;
  void SetUp() override {
    TempFolderTest::SetUp();
    FStore = (FDir / "sub" / "registry.txt").string();
  }
};

}  // namespace

TEST_F(Registry, MissingStoreAndKeysReadAsAbsent) {
  TRegistry reg(FStore);
  reg.SetRootKey(HKEY_LOCAL_MACHINE);
  EXPECT_FALSE(reg.OpenKey("\\Software\\Halvard\\Studio\\3.0", false));
  EXPECT_FALSE(reg.KeyExists("Software"));
  EXPECT_EQ(reg.ReadString("Studio 3"), "");
  EXPECT_FALSE(reg.ValueExists("x"));
  TStringList names;
  reg.GetValueNames(&names);
  EXPECT_EQ(names.Count(), 0);
  EXPECT_FALSE(std::filesystem::exists(FStore));  // reading creates nothing
}

TEST_F(Registry, RoundTripThroughTheStore) {
  const std::string awkward = "C:\\path \"quoted\"\ttab\nline\x01\xC3\xA9";
  {
    TRegistry reg(FStore);
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(reg.OpenKey("\\Software\\Halvard\\Studio\\3.0", true));
    reg.WriteString("Studio 3", awkward);
    reg.WriteInteger("Count", -2);
    reg.WriteString("", "default");
    ASSERT_TRUE(reg.OpenKey("Known Packages", true));  // relative to the open key
    EXPECT_EQ(reg.CurrentPath(), "Software\\Halvard\\Studio\\3.0\\Known Packages");
    reg.WriteString("pkgstd30.dpl", "Standard");
    reg.WriteString("other.dpl", "Other");
  }
  TRegistry reg(FStore);
  reg.SetRootKey(HKEY_LOCAL_MACHINE);
  ASSERT_TRUE(reg.OpenKeyReadOnly("\\SOFTWARE\\halvard\\STUDIO\\3.0"));  // paths ignore case
  EXPECT_EQ(reg.ReadString("studio 3"), awkward);
  EXPECT_EQ(reg.ReadInteger("COUNT"), -2);
  EXPECT_EQ(reg.ReadString(""), "default");
  EXPECT_EQ(reg.GetDataType("Count"), rdInteger);
  EXPECT_THROW(reg.WriteString("x", "y"), ERegistryException);  // read-only
  TStringList names;
  reg.GetKeyNames(&names);
  EXPECT_EQ(names.CommaText(), "\"Known Packages\"");
  ASSERT_TRUE(reg.OpenKey("\\Software\\Halvard\\Studio\\3.0\\Known Packages", false));
  reg.GetValueNames(&names);
  EXPECT_EQ(names.CommaText(), "pkgstd30.dpl,other.dpl");
  reg.SetRootKey(HKEY_CURRENT_USER);  // another root sees none of it
  EXPECT_FALSE(reg.KeyExists("\\Software\\Halvard"));
}

TEST_F(Registry, WrongTypesAndWritesWithoutKeyRaise) {
  TRegistry reg(FStore);
  EXPECT_THROW(reg.WriteString("x", "y"), ERegistryException);
  ASSERT_TRUE(reg.OpenKey("A", true));
  reg.WriteString("text", "1");
  reg.WriteInteger("number", 1);
  try {
    reg.ReadInteger("text");
    ADD_FAILURE();
  } catch (const ERegistryException& e) {
    EXPECT_EQ(e.Message(), "Invalid data type for 'text'");
  }
  EXPECT_THROW(reg.ReadString("number"), ERegistryException);
  EXPECT_THROW(reg.ReadInteger("missing"), ERegistryException);
}

TEST_F(Registry, DeletingKeysAndValues) {
  TRegistry reg(FStore);
  ASSERT_TRUE(reg.OpenKey("\\A\\B\\C", true));
  reg.WriteInteger("n", 1);
  EXPECT_TRUE(reg.DeleteValue("N"));
  EXPECT_FALSE(reg.DeleteValue("n"));
  reg.CloseKey();
  EXPECT_TRUE(reg.KeyExists("a\\b"));  // a stored key's ancestors exist
  EXPECT_TRUE(reg.DeleteKey("\\a\\B"));
  EXPECT_FALSE(reg.KeyExists("A\\B\\C"));
  EXPECT_FALSE(reg.KeyExists("A"));
  EXPECT_FALSE(reg.DeleteKey("A"));
  EXPECT_FALSE(reg.DeleteKey(""));  // roots stay
}

TEST_F(Registry, CorruptLinesAreSkipped) {
  Write(
      "[HKEY_CURRENT_USER\\Good]\n"
      "\"a\"=\"1\"\n"
      "\"b\"=\"unterminated\n"
      "\"c\"=dword:xyz\n"
      "\"d\"=\"bad escape \\q\"\n"
      "garbage line\n"
      "\"a\"=\"second a\"\n"
      "\"e\"=dword:0000000A\n"
      "[NOT_A_ROOT\\X]\n"
      "\"lost\"=\"1\"\n"
      "[HKEY_CURRENT_USER\\Broken\n"
      "\"lost2\"=\"1\"\n"
      "\"f\"=\"trailing\" junk\n");
  TRegistry reg(FStore);
  ASSERT_TRUE(reg.OpenKey("Good", false));
  TStringList names;
  reg.GetValueNames(&names);
  EXPECT_EQ(names.CommaText(), "a,e");
  EXPECT_EQ(reg.ReadString("a"), "1");
  EXPECT_EQ(reg.ReadInteger("e"), 10);
  reg.CloseKey();
  EXPECT_FALSE(reg.KeyExists("Broken"));
}

TEST_F(Registry, StoreLocationFollowsTheEnvironment) {
  const char* saved = std::getenv("MORVANE_REGISTRY");
  std::string keep = saved ? saved : "";
  ::setenv("MORVANE_REGISTRY", FStore.c_str(), 1);
  EXPECT_EQ(TRegistryStore::DefaultFileName(), FStore);
  ::unsetenv("MORVANE_REGISTRY");
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  std::string keepXdg = xdg ? xdg : "";
  ::setenv("XDG_CONFIG_HOME", "/cfg", 1);
  EXPECT_EQ(TRegistryStore::DefaultFileName(), "/cfg/morvane/registry.txt");
  if (xdg) ::setenv("XDG_CONFIG_HOME", keepXdg.c_str(), 1); else ::unsetenv("XDG_CONFIG_HOME");
  if (saved) ::setenv("MORVANE_REGISTRY", keep.c_str(), 1);
}
