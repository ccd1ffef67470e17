#include "platform/classes/ResourceHeader.h"

#include "platform/core/Exceptions.h"

namespace {

constexpr uint8_t kResourceType[3] = {0xFF, 0x0A, 0x00};
constexpr uint8_t kMemoryFlags[2] = {0x30, 0x10};
// A resource name is an identifier; anything longer means a corrupt header.
constexpr int kMaxNameLength = 255;

[[noreturn]] void InvalidHeader(const std::string& why) {
  throw EInvalidImage("Invalid stream format: not a form resource (" + why + ")");
}

}  // namespace

std::string ReadResHeader(TStream& stream) {
  uint8_t type[3];
  if (stream.Read(type, 3) != 3) InvalidHeader("header truncated");
  if (type[0] != kResourceType[0] || type[1] != kResourceType[1] || type[2] != kResourceType[2])
    InvalidHeader("resource type is not FF 0A 00");
  std::string name;
  for (;;) {
    char c;
    if (stream.Read(&c, 1) != 1) InvalidHeader("resource name not terminated");
    if (c == '\0') break;
    if (static_cast<int>(name.size()) == kMaxNameLength) InvalidHeader("resource name too long");
    name.push_back(c);
  }
  uint8_t flags[2];
  uint8_t sizeBytes[4];
  if (stream.Read(flags, 2) != 2 || stream.Read(sizeBytes, 4) != 4) InvalidHeader("header truncated");
  uint32_t size = sizeBytes[0] | (sizeBytes[1] << 8) | (sizeBytes[2] << 16) | (static_cast<uint32_t>(sizeBytes[3]) << 24);
  int64_t left = stream.Size() - stream.Position();
  if (size > left)
    throw EReadError("Form resource " + name + " claims " + std::to_string(size) + " bytes, the stream has " +
                     std::to_string(left));
  return name;
}

void WriteResourceHeader(TStream& stream, const std::string& resName, int64_t& fixupInfo) {
  std::string name = resName;
  for (char& c : name)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  stream.WriteBuffer(kResourceType, 3);
  stream.WriteBuffer(name.c_str(), static_cast<int64_t>(name.size()) + 1);
  stream.WriteBuffer(kMemoryFlags, 2);
  const uint8_t placeholder[4] = {};
  stream.WriteBuffer(placeholder, 4);
  fixupInfo = stream.Position();
}

void FixupResourceHeader(TStream& stream, int64_t fixupInfo) {
  int64_t end = stream.Position();
  int64_t size = end - fixupInfo;
  if (size < 0 || size > UINT32_MAX) throw EWriteError("Resource data size out of range");
  uint8_t bytes[4] = {static_cast<uint8_t>(size), static_cast<uint8_t>(size >> 8), static_cast<uint8_t>(size >> 16),
                      static_cast<uint8_t>(size >> 24)};
  stream.SetPosition(fixupInfo - 4);
  stream.WriteBuffer(bytes, 4);
  stream.SetPosition(end);
}
