// File names and the file system. Only '/' separates folders.

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <vector>

#include "platform/core/SysUtils.h"

namespace {

// Index just after the last delimiter, 0 when there is none.
size_t NameStart(std::string_view fileName) {
  size_t p = fileName.rfind(PathDelim);
  return p == std::string_view::npos ? 0 : p + 1;
}

// Position of the extension's dot, npos when the name part has no dot.
size_t ExtensionDot(std::string_view fileName) {
  size_t dot = fileName.rfind('.');
  if (dot == std::string_view::npos || dot < NameStart(fileName)) return std::string_view::npos;
  return dot;
}

}  // namespace

std::string ExtractFilePath(std::string_view fileName) { return std::string(fileName.substr(0, NameStart(fileName))); }

std::string ExtractFileDir(std::string_view fileName) {
  size_t start = NameStart(fileName);
  // The root keeps its delimiter: it has no shorter name.
  if (start > 1) --start;
  return std::string(fileName.substr(0, start));
}

std::string ExtractFileName(std::string_view fileName) { return std::string(fileName.substr(NameStart(fileName))); }

std::string ExtractFileExt(std::string_view fileName) {
  size_t dot = ExtensionDot(fileName);
  return dot == std::string_view::npos ? std::string() : std::string(fileName.substr(dot));
}

std::string ChangeFileExt(std::string_view fileName, std::string_view extension) {
  size_t dot = ExtensionDot(fileName);
  std::string r(fileName.substr(0, dot == std::string_view::npos ? fileName.size() : dot));
  return r.append(extension);
}

std::string IncludeTrailingPathDelimiter(std::string_view s) {
  std::string r(s);
  if (r.empty() || r.back() != PathDelim) r.push_back(PathDelim);
  return r;
}

std::string ExcludeTrailingPathDelimiter(std::string_view s) {
  std::string r(s);
  if (r.size() > 1 && r.back() == PathDelim) r.pop_back();
  return r;
}

std::string GetCurrentDir() {
  std::error_code ec;
  auto dir = std::filesystem::current_path(ec);
  return ec ? std::string() : dir.string();
}

std::string ExpandFileName(std::string_view fileName) {
  std::string full(fileName);
  if (full.empty() || full[0] != PathDelim) full = IncludeTrailingPathDelimiter(GetCurrentDir()) + full;
  std::vector<std::string> parts;
  size_t i = 0;
  while (i <= full.size()) {
    size_t next = full.find(PathDelim, i);
    if (next == std::string::npos) next = full.size();
    std::string part = full.substr(i, next - i);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    i = next + 1;
  }
  std::string r;
  for (const std::string& part : parts) r += PathDelim + part;
  // A name that ended in a delimiter names a folder and keeps it.
  if (full.back() == PathDelim && !parts.empty()) r.push_back(PathDelim);
  return r.empty() ? std::string(1, PathDelim) : r;
}

bool FileExists(const std::string& fileName) {
  std::error_code ec;
  auto status = std::filesystem::status(fileName, ec);
  return !ec && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

bool DirectoryExists(const std::string& directory) {
  std::error_code ec;
  return std::filesystem::is_directory(directory, ec);
}

bool DeleteFile(const std::string& fileName) { return ::unlink(fileName.c_str()) == 0; }

bool RenameFile(const std::string& oldName, const std::string& newName) {
  return std::rename(oldName.c_str(), newName.c_str()) == 0;
}
