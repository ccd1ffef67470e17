#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "platform/core/SysUtils.h"

TEST(FileNames, PartsOfAName) {
  const struct {
    std::string name, path, dir, file, ext, changed;
  } cases[] = {
      {"/home/u/form.dfm", "/home/u/", "/home/u", "form.dfm", ".dfm", "/home/u/form.ini"},
      {"form", "", "", "form", "", "form.ini"},
      {"/a.b/c", "/a.b/", "/a.b", "c", "", "/a.b/c.ini"},
      {"/x.tar.gz", "/", "/", "x.tar.gz", ".gz", "/x.tar.ini"},
      {"dir/", "dir/", "dir", "", "", "dir/.ini"},
      {".hidden", "", "", ".hidden", ".hidden", ".ini"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExtractFilePath(c.name), c.path) << c.name;
    EXPECT_EQ(ExtractFileDir(c.name), c.dir) << c.name;
    EXPECT_EQ(ExtractFileName(c.name), c.file) << c.name;
    EXPECT_EQ(ExtractFileExt(c.name), c.ext) << c.name;
    EXPECT_EQ(ChangeFileExt(c.name, ".ini"), c.changed) << c.name;
  }
}

TEST(FileNames, TrailingDelimitersAndExpansion) {
  EXPECT_EQ(IncludeTrailingPathDelimiter("/a"), "/a/");
  EXPECT_EQ(IncludeTrailingPathDelimiter("/a/"), "/a/");
  EXPECT_EQ(ExcludeTrailingPathDelimiter("/a/"), "/a");
  EXPECT_EQ(ExcludeTrailingPathDelimiter("/"), "/");
  EXPECT_EQ(ExpandFileName("/a/./b/../c"), "/a/c");
  EXPECT_EQ(ExpandFileName("/../x/"), "/x/");
  EXPECT_EQ(ExpandFileName("rel"), IncludeTrailingPathDelimiter(GetCurrentDir()) + "rel");
}

TEST(FileNames, FileSystemQueries) {
  auto dir = std::filesystem::temp_directory_path() / ("morvane-fn-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  std::string file = (dir / "a.txt").string();
  std::FILE* f = std::fopen(file.c_str(), "w");
  ASSERT_NE(f, nullptr);
  std::fclose(f);
  EXPECT_TRUE(FileExists(file));
  EXPECT_FALSE(FileExists(dir.string()));
  EXPECT_TRUE(DirectoryExists(dir.string()));
  EXPECT_TRUE(RenameFile(file, file + ".2"));
  EXPECT_FALSE(FileExists(file));
  EXPECT_TRUE(DeleteFile(file + ".2"));
  EXPECT_FALSE(DeleteFile(file + ".2"));
  std::filesystem::remove_all(dir);
}
