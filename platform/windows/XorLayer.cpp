// The layer above a top-level window's contents for drawings outside painting.
//
// The layer keeps two images: the XOR mask (what XOR drawings left: drawing
// the same again clears it) and the copy drawings. A transparent child widget
// above all others applies both whenever Qt repaints the window. A new drawing
// is put straight into the window's backing store and flushed, so the windows
// below are not repainted for it, as outlines dragged with the mouse need.

#include "platform/windows/XorLayer.h"

#include <QBackingStore>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <map>
#include <memory>

#include "platform/windows/Painting.h"

namespace {

class TLayerWidget : public QWidget {
 public:
  explicit TLayerWidget(QWidget* top) : QWidget(top) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
  }
  QImage Mask;       // RGB32; 0 leaves the window as it is
  QImage Copies;     // ARGB32 premultiplied; transparent where nothing was drawn

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter p(this);
    p.setClipRegion(event->region());
    p.drawImage(0, 0, Copies);
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.drawImage(0, 0, Mask);
  }
};

std::map<const QWidget*, QPointer<TLayerWidget>>& Layers() {
  static std::map<const QWidget*, QPointer<TLayerWidget>> layers;
  return layers;
}

QImage Resized(const QImage& old, QSize size, QImage::Format format) {
  QImage image(size, format);
  image.fill(0);
  if (!old.isNull()) {
    QPainter p(&image);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, old);
  }
  return image;
}

TLayerWidget* LayerFor(QWidget* top) {
  QPointer<TLayerWidget>& layer = Layers()[top];
  if (!layer) {
    layer = new TLayerWidget(top);
    QObject::connect(top, &QObject::destroyed, [top] { Layers().erase(top); });
  }
  if (layer->size() != top->size()) {
    layer->setGeometry(0, 0, top->width(), top->height());
    layer->Mask = Resized(layer->Mask, top->size(), QImage::Format_RGB32);
    layer->Copies = Resized(layer->Copies, top->size(), QImage::Format_ARGB32_Premultiplied);
  }
  if (layer->isHidden()) layer->show();
  layer->raise();
  return layer;
}

// The window's backing store when it can take pixels directly.
QImage* BackingImage(QWidget* top) {
  if (!top->isVisible() || top->devicePixelRatioF() != 1.0) return nullptr;
  QBackingStore* store = top->backingStore();
  if (!store || !store->paintDevice() || store->paintDevice()->devType() != QInternal::Image)
    return nullptr;
  auto* image = static_cast<QImage*>(store->paintDevice());
  if (image->format() != QImage::Format_RGB32 && image->format() != QImage::Format_ARGB32 &&
      image->format() != QImage::Format_ARGB32_Premultiplied)
    return nullptr;
  return image;
}

}  // namespace

QRect CombineIntoXorLayer(QWidget* top, const QImage& drawn, QPoint offset, int rop) {
  if (!top || drawn.isNull()) return {};
  TLayerWidget* layer = LayerFor(top);
  // DC images are premultiplied; opaque pixels, which is what outlines are,
  // read the same either way, so only the image of another format is copied.
  const bool premultiplied = drawn.format() == QImage::Format_ARGB32_Premultiplied;
  // Taken by reference: copying an image that a painter is drawing on copies
  // all its pixels.
  QImage converted;
  if (!premultiplied && drawn.format() != QImage::Format_ARGB32)
    converted = drawn.convertToFormat(QImage::Format_ARGB32);
  const QImage& source = converted.isNull() ? drawn : converted;
  QImage* screen = BackingImage(top);
  const int width = source.width();
  const int layerWidth = layer->Mask.width();
  const int layerHeight = layer->Mask.height();
  const int screenWidth = screen ? screen->width() : 0;
  const int screenHeight = screen ? screen->height() : 0;
  QRect touched;  // in the drawing's coordinates
  for (int y = 0; y < source.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    // Most of a drawing is transparent: outlines touch few pixels of a row.
    int first = 0;
    while (first < width && qAlpha(in[first]) == 0) ++first;
    if (first == width) continue;
    int last = width - 1;
    while (qAlpha(in[last]) == 0) --last;
    touched |= QRect(first, y, last - first + 1, 1);
    const int ty = y + offset.y();
    if (ty < 0 || ty >= layerHeight) continue;
    auto* mask = reinterpret_cast<QRgb*>(layer->Mask.scanLine(ty));
    auto* copies = reinterpret_cast<QRgb*>(layer->Copies.scanLine(ty));
    auto* out = ty < screenHeight ? reinterpret_cast<QRgb*>(screen->scanLine(ty)) : nullptr;
    for (int x = first; x <= last; ++x) {
      const int alpha = qAlpha(in[x]);
      if (alpha == 0) continue;
      const int tx = x + offset.x();
      if (tx < 0 || tx >= layerWidth) continue;
      QRgb colour = (premultiplied && alpha != 255 ? qUnpremultiply(in[x]) : in[x]) & 0xFFFFFF;
      const bool onScreen = out && tx < screenWidth;
      switch (rop) {
        case R2_NOT:
        case R2_XORPEN:
        case R2_NOTXORPEN: {
          QRgb bits = rop == R2_NOT ? 0xFFFFFF : rop == R2_XORPEN ? colour : (~colour & 0xFFFFFF);
          mask[tx] = (mask[tx] ^ bits) & 0xFFFFFF;
          if (onScreen) out[tx] ^= bits;
          break;
        }
        default:
          copies[tx] = colour | 0xFF000000;
          if (onScreen) out[tx] = (out[tx] & 0xFF000000) | (colour ^ (mask[tx] & 0xFFFFFF));
          break;
      }
    }
  }
  const QRect changed = touched.translated(offset) & layer->Mask.rect();
  if (screen && !changed.isEmpty()) top->backingStore()->flush(QRegion(changed), top->windowHandle());
  return touched;
}

void ForgetLayerDrawingsUnder(QWidget* widget, const QRegion& region) {
  if (!widget) return;
  QWidget* top = widget->window();
  auto it = Layers().find(top);
  if (it == Layers().end() || !it->second || widget == it->second) return;
  QImage& copies = it->second->Copies;
  QPainter p(&copies);
  p.setCompositionMode(QPainter::CompositionMode_Clear);
  QPoint at = widget->mapTo(top, QPoint(0, 0));
  for (const QRect& r : region) p.fillRect(r.translated(at), Qt::transparent);
}

QImage XorLayerMask(QWidget* top) {
  auto it = Layers().find(top);
  return it == Layers().end() || !it->second ? QImage() : it->second->Mask;
}

void RaiseXorLayer(QWidget* top) {
  auto it = Layers().find(top);
  if (it != Layers().end() && it->second) it->second->raise();
}
