#include "platform/controls/dialogs/FileFilter.h"

#include <filesystem>

#include "platform/core/SysUtils.h"

std::vector<TFileFilter> ParseFileFilter(const std::string& filter) {
  std::vector<TFileFilter> result;
  size_t start = 0;
  bool caption = true;
  while (start <= filter.size() && !filter.empty()) {
    size_t bar = filter.find('|', start);
    std::string part = filter.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
    if (caption) result.push_back({part, {}});
    else result.back().Mask = part;
    caption = !caption;
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  return result;
}

std::string QtNameFilter(const TFileFilter& filter) {
  // The Qt dialog reads the patterns from the last parentheses, so a caption
  // that shows them itself ("Text (*.txt)") loses that copy.
  std::string caption = Trim(filter.Caption);
  if (!caption.empty() && caption.back() == ')') {
    size_t open = caption.rfind('(');
    if (open != std::string::npos) caption = Trim(caption.substr(0, open));
  }
  return caption + " (" + StringReplace(Trim(filter.Mask), ";", " ", {rfReplaceAll}) + ")";
}

std::string AddDefaultExt(const std::string& file, const std::string& defaultExt) {
  std::string ext = defaultExt;
  if (!ext.empty() && ext.front() == '.') ext.erase(0, 1);
  if (ext.empty() || file.empty() || std::filesystem::path(file).has_extension()) return file;
  return file + "." + ext;
}
