#pragma once
// The filters of the file dialogs: "Caption|mask|Caption|mask", a mask being
// one or more patterns joined by ';' ("*.bmp;*.ico").

#include <string>
#include <vector>

struct TFileFilter {
  std::string Caption;
  std::string Mask;
};

// The pairs of a filter; a caption without its mask gets an empty one.
std::vector<TFileFilter> ParseFileFilter(const std::string& filter);
// The caption and mask as the Qt file dialog takes them: "Text (*.txt *.log)".
std::string QtNameFilter(const TFileFilter& filter);
// file with "." + defaultExt appended when its name has no extension.
std::string AddDefaultExt(const std::string& file, const std::string& defaultExt);
