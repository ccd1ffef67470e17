#pragma once
// Internal: the registry of graphic file formats behind TPicture's
// RegisterFileFormat and the filter functions. Newest registrations first,
// as filters list them.

#include <string>
#include <vector>

#include "platform/graphics/Graphic.h"

struct TFileFormat {
  std::string Extension;  // lower case, without the dot
  std::string Description;
  TGraphicClass GraphicClass;
};

// The formats, newest first; bmp, ico, emf and wmf from the start.
std::vector<TFileFormat>& FileFormats();
// The format of an extension (without the dot, any case), or nullptr.
const TFileFormat* FindFileFormat(const std::string& extension);
// The registered class of that name (case-insensitive), or nullptr.
TGraphicClass FindGraphicClass(const std::string& className);
