#include "platform/graphics/GraphicFormats.h"

#include "platform/core/SysUtils.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/Metafile.h"
#include "platform/graphics/Picture.h"

std::vector<TFileFormat>& FileFormats() {
  static std::vector<TFileFormat> formats = {
      {"bmp", "Bitmaps", ClassOf<TBitmap>()},
      {"ico", "Icons", ClassOf<TIcon>()},
      {"emf", "Enhanced Metafiles", ClassOf<TMetafile>()},
      {"wmf", "Metafiles", ClassOf<TMetafile>()},
  };
  return formats;
}

const TFileFormat* FindFileFormat(const std::string& extension) {
  for (const TFileFormat& f : FileFormats())
    if (SameText(f.Extension, extension)) return &f;
  return nullptr;
}

TGraphicClass FindGraphicClass(const std::string& className) {
  for (const TFileFormat& f : FileFormats())
    if (SameText(f.GraphicClass->ClassName(), className)) return f.GraphicClass;
  return nullptr;
}

void TPicture::RegisterFileFormat(const std::string& extension, const std::string& description,
                                  TGraphicClass graphicClass) {
  auto& formats = FileFormats();
  formats.insert(formats.begin(), {LowerCase(extension), description, graphicClass});
}

void TPicture::UnregisterGraphicClass(TGraphicClass graphicClass) {
  auto& formats = FileFormats();
  std::erase_if(formats, [graphicClass](const TFileFormat& f) {
    return f.GraphicClass->InheritsFrom(graphicClass);
  });
}

namespace {
std::vector<const TFileFormat*> FormatsOf(TGraphicClass graphicClass) {
  std::vector<const TFileFormat*> result;
  for (const TFileFormat& f : FileFormats())
    if (!graphicClass || f.GraphicClass->InheritsFrom(graphicClass)) result.push_back(&f);
  return result;
}
}  // namespace

std::string GraphicFileMask(TGraphicClass graphicClass) {
  std::string mask;
  for (const TFileFormat* f : FormatsOf(graphicClass)) {
    if (!mask.empty()) mask += ';';
    mask += "*." + f->Extension;
  }
  return mask;
}

std::string GraphicFilter(TGraphicClass graphicClass) {
  std::string mask = GraphicFileMask(graphicClass);
  std::string filter = "All (" + mask + ")|" + mask;
  for (const TFileFormat* f : FormatsOf(graphicClass))
    filter += "|" + f->Description + " (*." + f->Extension + ")|*." + f->Extension;
  return filter;
}

std::string GraphicExtension(TGraphicClass graphicClass) {
  for (const TFileFormat& f : FileFormats())
    if (f.GraphicClass == graphicClass) return f.Extension;
  return {};
}
