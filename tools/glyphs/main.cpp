// Writes the standard package's palette glyphs as 24-bit .bmp files, one per
// class, into the folder given: glyphs packages/PKGSTD30/resources

#include <QDir>
#include <cstdio>
#include <exception>

#include "StandardGlyphs.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  try {
    for (const GlyphDrawing& drawing : StandardGlyphs()) {
      GlyphCanvas canvas;
      drawing.Draw(canvas);
      if (canvas.Image().pixel(0, GlyphCanvas::Size - 1) != GlyphColors::Background) {
        std::fprintf(stderr, "%s: the bottom-left pixel must stay the background\n", drawing.ClassName);
        return 1;
      }
      const QString path = folder.filePath(QString(drawing.ClassName) + ".bmp");
      if (!canvas.Image().save(path, "BMP")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
      }
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}
