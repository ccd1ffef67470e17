#include "platform/core/Streams.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "platform/core/Exceptions.h"

TEST(Streams, MemoryStreamReadsWhatWasWrittenAndStopsAtTheEnd) {
  TMemoryStream s;
  s.WriteBuffer("abcdef", 6);
  EXPECT_EQ(s.Size(), 6);
  s.SetPosition(4);
  char buf[8] = {};
  EXPECT_EQ(s.Read(buf, 8), 2);
  EXPECT_EQ(std::string(buf, 2), "ef");
  s.SetPosition(5);
  EXPECT_THROW(s.ReadBuffer(buf, 2), EReadError);
  s.Seek(-2, soEnd);
  s.WriteBuffer("XYZ", 3);
  EXPECT_EQ(std::string(static_cast<const char*>(s.Memory()), 7), "abcdXYZ");
  EXPECT_THROW(s.Seek(-1, soBeginning), EStreamError);
}

TEST(Streams, CopyFromZeroCopiesTheWholeSource) {
  TStringStream src("hello world");
  src.SetPosition(6);
  TMemoryStream dst;
  EXPECT_EQ(dst.CopyFrom(src, 0), 11);
  EXPECT_EQ(dst.Size(), 11);
  TStringStream part("hello world");
  part.SetPosition(6);
  TStringStream out;
  out.CopyFrom(part, 5);
  EXPECT_EQ(out.DataString(), "world");
}

TEST(Streams, FileStreamErrorsNameTheFile) {
  auto dir = std::filesystem::temp_directory_path() / "morvane_streams_test";
  std::filesystem::create_directories(dir);
  std::string missing = (dir / "missing.bin").string();
  try {
    TFileStream f(missing, fmOpenRead);
    FAIL() << "opening a missing file must raise";
  } catch (const EFOpenError& e) {
    EXPECT_NE(e.Message().find("missing.bin"), std::string::npos);
  }
  EXPECT_THROW(TFileStream((dir / "no/such/dir/x").string(), fmCreate), EFCreateError);
  EXPECT_THROW(TFileStream(dir.string(), fmOpenRead), EFOpenError);

  std::string path = (dir / "data.bin").string();
  {
    TFileStream f(path, fmCreate);
    f.WriteBuffer("12345", 5);
  }
  {
    TFileStream f(path, fmOpenRead);
    EXPECT_EQ(f.Size(), 5);
    char buf[5];
    f.ReadBuffer(buf, 5);
    EXPECT_EQ(std::string(buf, 5), "12345");
  }
  std::filesystem::remove_all(dir);
}
