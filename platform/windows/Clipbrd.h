#pragma once
// The clipboard object of the controls layer: text access and formats over
// the clipboard functions. Pictures come through handles: a graphic saves
// itself as (format, handle) and sets it with SetAsHandle, and loads from
// GetAsHandle (the graphics layer's TPicture/TBitmap do this); Assign of
// pictures is built on these two when the graphics layer exists.

#include <string>

#include "platform/windows/Clipboard.h"

class TClipboard {
 public:
  // Open and Close nest: the clipboard stays open until the last Close.
  void Open();
  void Close();
  void Clear();
  bool HasFormat(UINT format) const;

  std::string AsText();
  void SetAsText(const std::string& text);
  // Copies at most bufSize - 1 bytes and a NUL; answers the bytes copied.
  int GetTextBuf(char* buffer, int bufSize);
  void SetTextBuf(const char* buffer);

  // The clipboard's handle for a format (it stays the clipboard's), and
  // handing one over (it becomes the clipboard's; the clipboard is emptied first).
  HANDLE GetAsHandle(UINT format);
  void SetAsHandle(UINT format, HANDLE value);

 private:
  // Opens for the length of one operation, even outside Open/Close.
  class TScope;
  void Adding();
  int FOpenRefCount = 0;
  bool FEmptied = false;
};

// The application's clipboard object.
TClipboard* Clipboard();
