// Bitmap handles: an image each, for the clipboard and the graphics layer.

#include "platform/windows/Clipboard.h"
#include "platform/windows/HandleTable.h"
#include "platform/windows/QtWindows.h"

namespace {

struct TBitmapRecord {
  QImage Image;
};

THandleTable<HBITMAP, TBitmapRecord>& Bitmaps() {
  static THandleTable<HBITMAP, TBitmapRecord> table;
  return table;
}

}  // namespace

HBITMAP CreateBitmapHandle(const QImage& image) {
  auto record = std::make_unique<TBitmapRecord>();
  record->Image = image;
  return Bitmaps().Add(std::move(record));
}

QImage BitmapHandleImage(HBITMAP bitmap) {
  TBitmapRecord* r = Bitmaps().Find(bitmap);
  return r ? r->Image : QImage();
}

bool DeleteObject(HBITMAP bitmap) { return Bitmaps().Remove(bitmap) != nullptr; }
