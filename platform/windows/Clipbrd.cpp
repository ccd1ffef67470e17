#include "platform/windows/Clipbrd.h"

#include <algorithm>
#include <cstring>

#include "platform/core/Exceptions.h"
#include "platform/windows/GlobalMemory.h"

class TClipboard::TScope {
 public:
  explicit TScope(TClipboard& c) : C(c) { C.Open(); }
  ~TScope() { C.Close(); }
  TScope(const TScope&) = delete;
  TScope& operator=(const TScope&) = delete;

 private:
  TClipboard& C;
};

void TClipboard::Open() {
  if (FOpenRefCount == 0) {
    if (!OpenClipboard(nullptr)) throw Exception("Cannot open clipboard");
    FEmptied = false;
  }
  ++FOpenRefCount;
}

void TClipboard::Close() {
  if (FOpenRefCount == 0) return;
  if (--FOpenRefCount == 0) CloseClipboard();
}

void TClipboard::Clear() {
  TScope scope(*this);
  EmptyClipboard();
}

// The first format added while open replaces what the clipboard held; later
// ones join it.
void TClipboard::Adding() {
  if (!FEmptied) {
    EmptyClipboard();
    FEmptied = true;
  }
}

bool TClipboard::HasFormat(UINT format) const { return IsClipboardFormatAvailable(format); }

std::string TClipboard::AsText() {
  TScope scope(*this);
  HGLOBAL data = static_cast<HGLOBAL>(GetClipboardData(CF_TEXT));
  if (!data) return {};
  auto* text = static_cast<const char*>(GlobalLock(data));
  std::string result(text, strnlen(text, GlobalSize(data)));
  GlobalUnlock(data);
  return result;
}

void TClipboard::SetAsText(const std::string& text) { SetTextBuf(text.c_str()); }

int TClipboard::GetTextBuf(char* buffer, int bufSize) {
  if (!buffer || bufSize <= 0) return 0;
  std::string text = AsText();
  int n = std::min(static_cast<int>(text.size()), bufSize - 1);
  std::memcpy(buffer, text.data(), static_cast<size_t>(n));
  buffer[n] = '\0';
  return n;
}

void TClipboard::SetTextBuf(const char* buffer) {
  const char* text = buffer ? buffer : "";
  size_t size = std::strlen(text) + 1;
  HGLOBAL data = GlobalAlloc(GHND, size);
  std::memcpy(GlobalLock(data), text, size);
  GlobalUnlock(data);
  SetAsHandle(CF_TEXT, data);
}

HANDLE TClipboard::GetAsHandle(UINT format) {
  TScope scope(*this);
  return GetClipboardData(format);
}

void TClipboard::SetAsHandle(UINT format, HANDLE value) {
  TScope scope(*this);
  Adding();
  if (!SetClipboardData(format, value))
    throw Exception("Cannot put data of format " + std::to_string(format) + " on the clipboard");
}

TClipboard* Clipboard() {
  static TClipboard clipboard;
  return &clipboard;
}
