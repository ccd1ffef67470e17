#include "platform/design/PackageInfo.h"

#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"

namespace {

class TInfoReader {
 public:
  TInfoReader(const void* data, size_t size) : FData(static_cast<const unsigned char*>(data)), FSize(size) {}

  int32_t Int32(const char* what) {
    Need(4, what);
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | FData[FPos + static_cast<size_t>(i)];
    FPos += 4;
    return static_cast<int32_t>(v);
  }
  uint8_t Byte(const char* what) {
    Need(1, what);
    return FData[FPos++];
  }
  std::string Name(const char* what) {
    const size_t start = FPos;
    while (FPos < FSize && FData[FPos] != 0) ++FPos;
    if (FPos == FSize) Damaged(std::string("the name of ") + what + " has no end");
    std::string name(reinterpret_cast<const char*>(FData + start), FPos - start);
    ++FPos;
    return name;
  }

 private:
  void Need(size_t bytes, const char* what) {
    if (FSize - FPos < bytes) Damaged(std::string("it ends within ") + what);
  }
  [[noreturn]] static void Damaged(const std::string& why) {
    throw EPackageError("Damaged PACKAGEINFO resource: " + why);
  }

  const unsigned char* FData;
  size_t FSize;
  size_t FPos = 0;
};

void PutInt32(std::string& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

void PutName(std::string& out, const std::string& name) {
  if (name.find('\0') != std::string::npos)
    throw EPackageError("A package or unit name cannot contain a NUL character");
  out += name;
  out += '\0';
}

}  // namespace

TPackageInfo ReadPackageInfo(const void* data, size_t size) {
  if (!data) size = 0;
  TInfoReader reader(data, size);
  TPackageInfo info;
  info.Flags = static_cast<uint32_t>(reader.Int32("the flags"));
  for (int32_t i = 0, count = reader.Int32("the requires count"); i < count; ++i) {
    TPackageRequire require;
    require.HashCode = reader.Byte("a required package");
    require.Name = reader.Name("a required package");
    info.Requires.push_back(std::move(require));
  }
  for (int32_t i = 0, count = reader.Int32("the contains count"); i < count; ++i) {
    TPackageUnit unit;
    unit.Flags = reader.Byte("a unit entry");
    unit.HashCode = reader.Byte("a unit entry");
    unit.Name = reader.Name("a unit");
    info.Contains.push_back(std::move(unit));
  }
  return info;
}

std::string WritePackageInfo(const TPackageInfo& info) {
  std::string out;
  PutInt32(out, info.Flags);
  PutInt32(out, static_cast<uint32_t>(info.Requires.size()));
  for (const TPackageRequire& r : info.Requires) {
    out += static_cast<char>(r.HashCode);
    PutName(out, r.Name);
  }
  PutInt32(out, static_cast<uint32_t>(info.Contains.size()));
  for (const TPackageUnit& u : info.Contains) {
    out += static_cast<char>(u.Flags);
    out += static_cast<char>(u.HashCode);
    PutName(out, u.Name);
  }
  return out;
}

uint8_t PackageNameHash(std::string_view name) {
  uint8_t hash = 0;
  for (char c : UpperCase(name)) {
    hash = static_cast<uint8_t>((hash << 1) | (hash >> 7));
    hash ^= static_cast<uint8_t>(c);
  }
  return hash;
}
