#pragma once
// The platform's streams: a byte stream with a position, in memory, on a file
// or over a string. Sizes and positions are 64-bit.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

enum TSeekOrigin { soBeginning = 0, soCurrent = 1, soEnd = 2 };
// The classic names of the seek origins.
constexpr int soFromBeginning = 0;
constexpr int soFromCurrent = 1;
constexpr int soFromEnd = 2;

// Raise EStreamError for the container streams' bad requests.
[[noreturn]] void ThrowNegativeSeek();
[[noreturn]] void ThrowNegativeSize();

class TStream {
 public:
  virtual ~TStream() = default;

  // Reads up to count bytes; answers how many were read (0 at the end).
  virtual int64_t Read(void* buffer, int64_t count) = 0;
  // Writes up to count bytes; answers how many were written.
  virtual int64_t Write(const void* buffer, int64_t count) = 0;
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;
  int64_t Seek(int64_t offset, int origin) { return Seek(offset, static_cast<TSeekOrigin>(origin)); }

  int64_t Position() { return Seek(0, soCurrent); }
  void SetPosition(int64_t pos) { Seek(pos, soBeginning); }
  virtual int64_t Size();
  virtual void SetSize(int64_t newSize);

  // Read or write exactly count bytes or raise EReadError / EWriteError.
  void ReadBuffer(void* buffer, int64_t count);
  void WriteBuffer(const void* buffer, int64_t count);
  // Copies count bytes from source at its position; count 0 copies the whole
  // source from its start. Answers the number of bytes copied.
  int64_t CopyFrom(TStream& source, int64_t count);
};

// A stream over a container of bytes it owns (a vector or a string); grows as
// it is written, and may be positioned past its end (a write fills the gap).
template <class Container>
class TContainerStream : public TStream {
 public:
  TContainerStream() = default;
  explicit TContainerStream(Container data) : FData(std::move(data)) {}

  int64_t Read(void* buffer, int64_t count) override {
    int64_t size = Size();
    if (count <= 0 || FPosition >= size) return 0;
    int64_t n = std::min(count, size - FPosition);
    std::memcpy(buffer, FData.data() + FPosition, static_cast<size_t>(n));
    FPosition += n;
    return n;
  }
  int64_t Write(const void* buffer, int64_t count) override {
    if (count <= 0) return 0;
    int64_t end = FPosition + count;
    if (end > Size()) FData.resize(static_cast<size_t>(end));
    std::memcpy(FData.data() + FPosition, buffer, static_cast<size_t>(count));
    FPosition = end;
    return count;
  }
  int64_t Seek(int64_t offset, TSeekOrigin origin) override {
    int64_t base = origin == soBeginning ? 0 : origin == soCurrent ? FPosition : Size();
    if (base + offset < 0) ThrowNegativeSeek();
    FPosition = base + offset;
    return FPosition;
  }
  using TStream::Seek;
  int64_t Size() override { return static_cast<int64_t>(FData.size()); }
  void SetSize(int64_t newSize) override {
    if (newSize < 0) ThrowNegativeSize();
    FData.resize(static_cast<size_t>(newSize));
    FPosition = std::min(FPosition, newSize);
  }

 protected:
  Container FData;
  int64_t FPosition = 0;
};

// A stream over a block of memory it owns.
class TMemoryStream : public TContainerStream<std::vector<uint8_t>> {
 public:
  void* Memory() { return FData.data(); }
  const void* Memory() const { return FData.data(); }
  void Clear();
  void LoadFromStream(TStream& stream);
  void LoadFromFile(const std::string& fileName);
  void SaveToStream(TStream& stream);
  void SaveToFile(const std::string& fileName);
};

// File open modes. fmCreate creates or truncates the file for reading and
// writing; the others open an existing file.
constexpr uint16_t fmCreate = 0xFFFF;
constexpr uint16_t fmOpenRead = 0x0000;
constexpr uint16_t fmOpenWrite = 0x0001;
constexpr uint16_t fmOpenReadWrite = 0x0002;
constexpr uint16_t fmShareCompat = 0x0000;
constexpr uint16_t fmShareExclusive = 0x0010;
constexpr uint16_t fmShareDenyWrite = 0x0020;
constexpr uint16_t fmShareDenyRead = 0x0030;
constexpr uint16_t fmShareDenyNone = 0x0040;

// A stream on a file. Raises EFCreateError or EFOpenError naming the file and
// the system's reason when the file cannot be created or opened.
class TFileStream : public TStream {
 public:
  TFileStream(const std::string& fileName, uint16_t mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  using TStream::Seek;
  void SetSize(int64_t newSize) override;
  const std::string& FileName() const { return FFileName; }

 private:
  std::string FFileName;
  int FHandle = -1;
};

// A stream over a string (bytes, not characters).
class TStringStream : public TContainerStream<std::string> {
 public:
  explicit TStringStream(std::string data = {}) : TContainerStream(std::move(data)) {}
  const std::string& DataString() const { return FData; }
  std::string ReadString(int64_t count);
  void WriteString(const std::string& s) { Write(s.data(), static_cast<int64_t>(s.size())); }
};
