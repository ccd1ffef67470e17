#include "platform/graphics/Icon.h"

#include <QPainter>
#include <algorithm>
#include <cstring>
#include <tuple>

#include "platform/core/Exceptions.h"
#include "platform/graphics/BmpFormat.h"
#include "platform/graphics/LittleEndian.h"
#include "platform/graphics/QtGraphics.h"

namespace {
[[noreturn]] void Bad(const std::string& why) { throw EInvalidGraphic("Invalid icon: " + why); }

struct TIconEntry {
  int Width, Height, Bits;
  uint32_t Size, Offset;
};

// The entries of an .ico file, each checked to lie inside the data.
std::vector<TIconEntry> ReadDirectory(const std::vector<uint8_t>& data) {
  if (data.size() < 6) Bad("the data is too short for an icon file");
  if (ReadU16(&data[0]) != 0 || ReadU16(&data[2]) != 1) Bad("the data is not an icon file");
  size_t count = ReadU16(&data[4]);
  if (count == 0) Bad("the file holds no image");
  if (6 + 16 * count > data.size()) Bad("the directory runs past the end of the data");
  std::vector<TIconEntry> entries;
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* e = &data[6 + 16 * i];
    TIconEntry entry{e[0] ? e[0] : 256, e[1] ? e[1] : 256, ReadU16(e + 6), ReadU32(e + 8), ReadU32(e + 12)};
    if (entry.Offset > data.size() || entry.Size > data.size() - entry.Offset || entry.Size < 12)
      Bad("image " + std::to_string(i + 1) + " lies outside the data");
    entries.push_back(entry);
  }
  return entries;
}

const TIconEntry& BestEntry(const std::vector<TIconEntry>& entries) {
  const TIconEntry* best = &entries.front();
  auto rank = [](const TIconEntry& e) {
    bool systemSize = e.Width == 32 && e.Height == 32;
    return std::make_tuple(systemSize, e.Width * e.Height, e.Bits);
  };
  for (const TIconEntry& e : entries)
    if (rank(e) > rank(*best)) best = &e;
  return *best;
}

QImage DecodeImage(const std::vector<uint8_t>& data, const TIconEntry& entry) {
  const uint8_t* bytes = data.data() + entry.Offset;
  if (entry.Size >= 8 && std::memcmp(bytes, "\x89PNG", 4) == 0) {
    QImage png = QImage::fromData(bytes, static_cast<int>(entry.Size), "PNG");
    if (png.isNull()) Bad("an image in PNG form cannot be read");
    return png.convertToFormat(QImage::Format_ARGB32);
  }
  return ReadDib(bytes, entry.Size, false, true).Image.convertToFormat(QImage::Format_ARGB32);
}

// A one-image .ico file: a 32-bit DIB with its AND mask.
std::vector<uint8_t> EncodeIcon(const QImage& source) {
  QImage image = source.convertToFormat(QImage::Format_ARGB32);
  int w = image.width(), h = image.height();
  uint32_t maskStride = static_cast<uint32_t>((w + 31) / 32 * 4);
  uint32_t dibSize = 40 + static_cast<uint32_t>(w * h * 4) + maskStride * static_cast<uint32_t>(h);
  std::vector<uint8_t> out;
  PutU16(out, 0);
  PutU16(out, 1);
  PutU16(out, 1);
  out.push_back(static_cast<uint8_t>(w >= 256 ? 0 : w));
  out.push_back(static_cast<uint8_t>(h >= 256 ? 0 : h));
  out.push_back(0);
  out.push_back(0);
  PutU16(out, 1);
  PutU16(out, 32);
  PutU32(out, dibSize);
  PutU32(out, 22);
  PutU32(out, 40);
  PutU32(out, static_cast<uint32_t>(w));
  PutU32(out, static_cast<uint32_t>(2 * h));
  PutU16(out, 1);
  PutU16(out, 32);
  for (int i = 0; i < 6; ++i) PutU32(out, 0);
  for (int y = h - 1; y >= 0; --y) {
    auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < w; ++x) {
      out.push_back(static_cast<uint8_t>(qBlue(line[x])));
      out.push_back(static_cast<uint8_t>(qGreen(line[x])));
      out.push_back(static_cast<uint8_t>(qRed(line[x])));
      out.push_back(static_cast<uint8_t>(qAlpha(line[x])));
    }
  }
  for (int y = h - 1; y >= 0; --y) {
    std::vector<uint8_t> row(maskStride, 0);
    auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < w; ++x)
      if (qAlpha(line[x]) == 0) row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}
}  // namespace

TIcon::TIcon() : FImage(std::make_unique<QImage>()) {}
TIcon::~TIcon() = default;

void TIcon::Assign(TPersistent* source) {
  if (!source) {
    FData.clear();
    *FImage = QImage();
    Changed();
    return;
  }
  if (auto* icon = dynamic_cast<TIcon*>(source)) {
    FData = icon->FData;
    *FImage = icon->FImage->copy();
    Changed();
    return;
  }
  inherited::Assign(source);
}

bool TIcon::Empty() const { return FImage->isNull(); }
int32_t TIcon::Width() const { return FImage->width(); }
int32_t TIcon::Height() const { return FImage->height(); }

void TIcon::SetWidth(int32_t) {
  throw EInvalidGraphicOperation("Cannot change the size of an icon");
}
void TIcon::SetHeight(int32_t) {
  throw EInvalidGraphicOperation("Cannot change the size of an icon");
}

void TIcon::SetImage(const QImage& image) {
  if (image.isNull()) {
    Assign(nullptr);
    return;
  }
  FData = EncodeIcon(image);
  *FImage = image.convertToFormat(QImage::Format_ARGB32);
  Changed();
}

void TIcon::LoadFromStream(TStream& stream) {
  int64_t start = stream.Position();
  int64_t remaining = stream.Size() - start;
  // The directory says how far the icon reaches; read only that far.
  uint8_t head[6] = {};
  if (remaining < 6 || stream.Read(head, 6) != 6) {
    stream.SetPosition(start);
    Bad("the data is too short for an icon file");
  }
  std::vector<uint8_t> data(head, head + 6);
  try {
    size_t count = ReadU16(head + 4);
    if (ReadU16(head) != 0 || ReadU16(head + 2) != 1 || count == 0) Bad("the data is not an icon file");
    if (static_cast<int64_t>(6 + 16 * count) > remaining) Bad("the directory runs past the end of the data");
    data.resize(6 + 16 * count);
    stream.ReadBuffer(data.data() + 6, static_cast<int64_t>(16 * count));
    uint64_t end = data.size();
    for (size_t i = 0; i < count; ++i) {
      const uint8_t* e = &data[6 + 16 * i];
      end = std::max<uint64_t>(end, uint64_t{ReadU32(e + 8)} + ReadU32(e + 12));
    }
    if (end > static_cast<uint64_t>(remaining)) Bad("an image lies outside the data");
    size_t directory = data.size();
    data.resize(end);
    stream.ReadBuffer(data.data() + directory, static_cast<int64_t>(end - directory));
    std::vector<TIconEntry> entries = ReadDirectory(data);
    QImage image = DecodeImage(data, BestEntry(entries));
    FData = std::move(data);
    *FImage = image;
  } catch (...) {
    stream.SetPosition(start);
    throw;
  }
  Changed();
}

void TIcon::SaveToStream(TStream& stream) {
  stream.WriteBuffer(FData.data(), static_cast<int64_t>(FData.size()));
}

void TIcon::Draw(TCanvas* canvas, const TRect& rect) {
  QPainter* p = CanvasPainter(canvas);
  p->drawImage(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), *FImage);
}
