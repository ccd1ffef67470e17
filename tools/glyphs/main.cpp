// Writes a set of glyphs as 24-bit .bmp files, one per drawing, into the
// folder given:
//   glyphs packages/PKGSTD30/resources            the standard package's palette
//   glyphs --editor apps/MorvaneEditor/resources  the editor's tool bar

#include <QDir>
#include <cstdio>
#include <exception>
#include <string>

#include "EditorGlyphs.h"
#include "StandardGlyphs.h"

int main(int argc, char** argv) {
  const bool editor = argc == 3 && std::string(argv[1]) == "--editor";
  if (argc != 2 && !editor) {
    std::fprintf(stderr, "usage: %s [--editor] <folder>\n", argv[0]);
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[argc - 1]));
  try {
    for (const GlyphDrawing& drawing : editor ? EditorGlyphs() : StandardGlyphs()) {
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
