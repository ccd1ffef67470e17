#include "platform/graphics/Bitmap.h"

#include <QImage>
#include <QPainter>

#include "platform/core/Exceptions.h"
#include "platform/graphics/BitmapCanvas.h"
#include "platform/graphics/BmpFormat.h"
#include "platform/graphics/QtGraphics.h"
#include "platform/windows/Modules.h"
#include "platform/windows/Painting.h"
#include "platform/windows/QtWindows.h"

void TBitmapCanvas::CreateHandle() {
  if (FBitmap->Empty()) return;
  SetHandle(CreateImageDC(FBitmap->FImage.get()));
}

void TBitmapCanvas::FreeContext() {
  if (!HandleAllocated()) return;
  DeleteDC(Handle());
  ClearHandle();
}

TBitmap::TBitmap() : FImage(std::make_unique<QImage>()) {}

TBitmap::~TBitmap() { delete FCanvas; }

void TBitmap::Assign(TPersistent* source) {
  if (!source) {
    ReplaceImage(QImage());
    FPalette.clear();
    Changed();
    return;
  }
  if (auto* bitmap = dynamic_cast<TBitmap*>(source)) {
    // A deep copy: the source's canvas may go on drawing into its image.
    ReplaceImage(bitmap->FImage->copy());
    FPixelFormat = bitmap->FPixelFormat;
    FPalette = bitmap->FPalette;
    FTransparentColor = bitmap->FTransparentColor;
    FTransparentMode = bitmap->FTransparentMode;
    TGraphic::SetTransparent(bitmap->Transparent());
    Changed();
    return;
  }
  inherited::Assign(source);
}

void TBitmap::ReplaceImage(const QImage& image) {
  if (FCanvas) FCanvas->FreeContext();
  *FImage = image;
}

bool TBitmap::Empty() const { return FImage->isNull(); }
int32_t TBitmap::Width() const { return FImage->width(); }
int32_t TBitmap::Height() const { return FImage->height(); }
void TBitmap::SetWidth(int32_t value) { SetSize(value, Height()); }
void TBitmap::SetHeight(int32_t value) { SetSize(Width(), value); }

void TBitmap::SetSize(int32_t width, int32_t height) {
  if (width < 0 || height < 0) throw EInvalidGraphicOperation("A bitmap's size cannot be negative");
  if (width == Width() && height == Height()) return;
  if (width == 0 || height == 0) {
    ReplaceImage(QImage());
  } else {
    QImage image(width, height, FImage->isNull() ? QImage::Format_RGB32 : FImage->format());
    if (image.isNull()) throw EOutOfResources("Out of memory for a bitmap of " +
                                              std::to_string(width) + " x " + std::to_string(height));
    image.fill(Qt::white);
    if (!FImage->isNull()) {
      QPainter p(&image);
      p.setCompositionMode(QPainter::CompositionMode_Source);
      p.drawImage(0, 0, *FImage);
    }
    ReplaceImage(image);
  }
  Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat value) {
  if (value == FPixelFormat) return;
  FPixelFormat = value;
  int bits = BitsOfPixelFormat(value);
  if (bits > 8) {
    FPalette.clear();
  } else if (FPalette.size() > (size_t{1} << bits) || FPalette.empty()) {
    FPalette = PaletteFor(*FImage, bits, {});
  }
  // The pixels take the colours the new format can hold.
  if (!FImage->isNull() && bits <= 8) {
    QImage reduced = *FImage;
    for (int y = 0; y < reduced.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(reduced.scanLine(y));
      for (int x = 0; x < reduced.width(); ++x)
        line[x] = FPalette[static_cast<size_t>(NearestPaletteIndex(FPalette, line[x]))] | 0xFF000000u;
    }
    ReplaceImage(reduced);
  }
  Changed();
}

void TBitmap::SetMonochrome(bool value) {
  if (value == Monochrome()) return;
  SetPixelFormat(value ? pf1bit : pfDevice);
}

std::vector<TColor> TBitmap::Palette() const {
  std::vector<TColor> colors;
  for (QRgb c : FPalette) colors.push_back(QColorToColor(QColor(c)));
  return colors;
}

TColor TBitmap::TransparentColor() const {
  if (FTransparentMode == tmFixed && FTransparentColor != clDefault) return FTransparentColor;
  if (FImage->isNull()) return clDefault;
  return QColorToColor(FImage->pixelColor(0, FImage->height() - 1));
}

void TBitmap::SetTransparentColor(TColor value) {
  if (value == FTransparentColor) return;
  FTransparentColor = value;
  FTransparentMode = value == clDefault ? tmAuto : tmFixed;
  Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode value) {
  if (value == FTransparentMode) return;
  if (value == tmAuto) FTransparentColor = clDefault;
  else FTransparentColor = TransparentColor();
  FTransparentMode = value;
  Changed();
}

TCanvas* TBitmap::Canvas() {
  if (!FCanvas) {
    FCanvas = new TBitmapCanvas(this);
    FCanvas->OnChange = [this](TObject*) { Changed(); };
  }
  return FCanvas;
}

void TBitmap::SetImage(const QImage& image) {
  ReplaceImage(image.isNull() ? QImage()
                              : image.convertToFormat(image.hasAlphaChannel()
                                                          ? QImage::Format_ARGB32
                                                          : QImage::Format_RGB32));
  Changed();
}

void TBitmap::LoadFromBytes(const uint8_t* data, size_t size, bool withFileHeader) {
  TDib dib = ReadDib(data, size, withFileHeader);
  ReplaceImage(dib.Image);
  FPixelFormat = dib.Format;
  FPalette = std::move(dib.Palette);
  Changed();
}

void TBitmap::LoadFromStream(TStream& stream) {
  int64_t start = stream.Position();
  int64_t remaining = stream.Size() - start;
  uint8_t header[14] = {};
  if (remaining < 14 || stream.Read(header, 14) != 14) {
    stream.SetPosition(start);
    throw EInvalidGraphic("Invalid bitmap: the data is too short for a bitmap file");
  }
  // The file header's size says where the bitmap ends; a size that cannot be
  // right (writers leave it 0) means the rest of the stream.
  size_t declared = BmpFileSize(header, sizeof header);
  int64_t size = declared >= 14 + 12 && static_cast<int64_t>(declared) <= remaining
                     ? static_cast<int64_t>(declared) : remaining;
  std::vector<uint8_t> data(static_cast<size_t>(size));
  std::copy(header, header + 14, data.begin());
  stream.ReadBuffer(data.data() + 14, size - 14);
  try {
    LoadFromBytes(data.data(), data.size(), true);
  } catch (...) {
    stream.SetPosition(start);
    throw;
  }
}

void TBitmap::SaveToStream(TStream& stream) {
  if (FImage->isNull()) return;
  std::vector<uint8_t> file = WriteBmpFile(*FImage, FPixelFormat, FPalette);
  stream.WriteBuffer(file.data(), static_cast<int64_t>(file.size()));
}

void TBitmap::ReadData(TStream& stream) {
  int32_t size = 0;
  stream.ReadBuffer(&size, 4);
  int64_t remaining = stream.Size() - stream.Position();
  if (size < 0 || size > remaining)
    throw EInvalidGraphic("Invalid bitmap: the data announces " + std::to_string(size) +
                          " bytes but holds " + std::to_string(remaining));
  std::vector<uint8_t> data(static_cast<size_t>(size));
  stream.ReadBuffer(data.data(), size);
  if (size == 0) {
    Assign(nullptr);
    return;
  }
  LoadFromBytes(data.data(), data.size(), true);
}

void TBitmap::WriteData(TStream& stream) {
  std::vector<uint8_t> file =
      FImage->isNull() ? std::vector<uint8_t>{} : WriteBmpFile(*FImage, FPixelFormat, FPalette);
  int32_t size = static_cast<int32_t>(file.size());
  stream.WriteBuffer(&size, 4);
  stream.WriteBuffer(file.data(), size);
}

void TBitmap::Draw(TCanvas* canvas, const TRect& rect) {
  QPainter* p = CanvasPainter(canvas);
  QRect target(rect.Left, rect.Top, rect.Width(), rect.Height());
  if (!Transparent()) {
    p->drawImage(target, *FImage);
    return;
  }
  QImage masked = FImage->convertToFormat(QImage::Format_ARGB32);
  QRgb key = ColorToQColor(TransparentColor()).rgb();
  for (int y = 0; y < masked.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
    for (int x = 0; x < masked.width(); ++x)
      if ((line[x] | 0xFF000000u) == key) line[x] = 0;
  }
  p->drawImage(target, masked);
}

namespace {
// A bitmap resource's bytes, or EResNotFound naming what was looked for.
std::pair<const uint8_t*, size_t> BitmapResource(HINSTANCE instance, const char* name,
                                                 const std::string& shownName) {
  HRSRC resource = FindResource(instance, name, RT_BITMAP);
  HGLOBAL data = resource ? LoadResource(instance, resource) : nullptr;
  const void* bytes = data ? LockResource(data) : nullptr;
  if (!bytes) throw EResNotFound("Resource " + shownName + " not found");
  return {static_cast<const uint8_t*>(bytes), SizeofResource(instance, resource)};
}
}  // namespace

void TBitmap::LoadFromResourceName(HINSTANCE instance, const std::string& name) {
  auto [bytes, size] = BitmapResource(instance, name.c_str(), name);
  LoadFromBytes(bytes, size, size >= 2 && bytes[0] == 'B' && bytes[1] == 'M');
}

void TBitmap::LoadFromResourceID(HINSTANCE instance, int id) {
  auto [bytes, size] =
      BitmapResource(instance, MAKEINTRESOURCE(static_cast<uintptr_t>(id)), std::to_string(id));
  LoadFromBytes(bytes, size, size >= 2 && bytes[0] == 'B' && bytes[1] == 'M');
}
