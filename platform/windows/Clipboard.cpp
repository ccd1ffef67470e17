// The clipboard on QClipboard.

#include "platform/windows/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <cstring>

#include "platform/windows/GlobalMemory.h"
#include "platform/windows/QtWindows.h"

namespace {

bool IsOpen = false;
// The handles the clipboard holds for each format, with what they hold, so
// that a change on the desktop's side is noticed.
HGLOBAL TextBlock = nullptr;
QString TextInBlock;
HBITMAP Bitmap = nullptr;
QImage ImageInBitmap;

QClipboard* Desktop() { return QGuiApplication::clipboard(); }

void DropText() {
  GlobalFree(TextBlock);
  TextBlock = nullptr;
  TextInBlock.clear();
}

void DropBitmap() {
  DeleteObject(Bitmap);
  Bitmap = nullptr;
  ImageInBitmap = QImage();
}

QString TextOfBlock(HGLOBAL block) {
  auto* bytes = static_cast<const char*>(GlobalLock(block));
  size_t size = GlobalSize(block);
  QString text = bytes ? QString::fromUtf8(bytes, static_cast<qsizetype>(strnlen(bytes, size))) : QString();
  GlobalUnlock(block);
  return text;
}

HGLOBAL BlockOfText(const QString& text) {
  QByteArray utf8 = text.toUtf8();
  HGLOBAL block = GlobalAlloc(GHND, static_cast<size_t>(utf8.size()) + 1);
  std::memcpy(GlobalLock(block), utf8.constData(), static_cast<size_t>(utf8.size()));
  GlobalUnlock(block);
  return block;
}

// Puts everything the clipboard holds on the desktop's clipboard at once, so
// that a second format does not replace the first.
void Publish(const QString* text, const QImage* image) {
  auto* data = new QMimeData;
  const QMimeData* current = Desktop()->mimeData();
  if (text)
    data->setText(*text);
  else if (current && current->hasText())
    data->setText(current->text());
  if (image)
    data->setImageData(*image);
  else if (current && current->hasImage())
    data->setImageData(current->imageData());
  Desktop()->setMimeData(data);
}

}  // namespace

bool OpenClipboard(HWND) {
  if (IsOpen || !Desktop()) return false;
  IsOpen = true;
  return true;
}

bool CloseClipboard() {
  bool was = IsOpen;
  IsOpen = false;
  return was;
}

bool EmptyClipboard() {
  if (!IsOpen) return false;
  DropText();
  DropBitmap();
  Desktop()->clear();
  return true;
}

HANDLE SetClipboardData(UINT format, HANDLE data) {
  if (!IsOpen || !data) return nullptr;
  if (format == CF_TEXT) {
    auto block = static_cast<HGLOBAL>(data);
    QString text = TextOfBlock(block);
    if (block != TextBlock) DropText();
    TextBlock = block;
    TextInBlock = text;
    Publish(&text, nullptr);
    return data;
  }
  if (format == CF_BITMAP) {
    auto bitmap = static_cast<HBITMAP>(data);
    QImage image = BitmapHandleImage(bitmap);
    if (bitmap != Bitmap) DropBitmap();
    Bitmap = bitmap;
    ImageInBitmap = image;
    Publish(nullptr, &image);
    return data;
  }
  return nullptr;
}

HANDLE GetClipboardData(UINT format) {
  if (!IsOpen) return nullptr;
  const QMimeData* current = Desktop()->mimeData();
  if (format == CF_TEXT) {
    if (!current || !current->hasText()) return nullptr;
    QString text = current->text();
    if (!TextBlock || text != TextInBlock) {
      DropText();
      TextBlock = BlockOfText(text);
      TextInBlock = text;
    }
    return TextBlock;
  }
  if (format == CF_BITMAP) {
    if (!current || !current->hasImage()) return nullptr;
    QImage image = qvariant_cast<QImage>(current->imageData());
    if (!Bitmap || image != ImageInBitmap) {
      DropBitmap();
      Bitmap = CreateBitmapHandle(image);
      ImageInBitmap = image;
    }
    return Bitmap;
  }
  return nullptr;
}

bool IsClipboardFormatAvailable(UINT format) {
  const QMimeData* current = Desktop() ? Desktop()->mimeData() : nullptr;
  if (!current) return false;
  if (format == CF_TEXT) return current->hasText();
  if (format == CF_BITMAP) return current->hasImage();
  return false;
}
