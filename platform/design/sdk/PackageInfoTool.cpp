// Writes the PACKAGEINFO resource of a design package at build time:
//   morvane_packageinfo <output file> <requires,...> <units,...>
// Lists are separated by ',' and may be empty. The package is marked as a
// design-time package module.

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/design/PackageInfo.h"

namespace {
std::vector<std::string> SplitList(const std::string& text) {
  std::vector<std::string> items;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(',', start);
    if (end == std::string::npos) end = text.size();
    if (end > start) items.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return items;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: morvane_packageinfo <output> <requires,...> <units,...>\n";
    return 2;
  }
  try {
    TPackageInfo info;
    info.Flags = pfPackageModule | pfDesignOnly;
    for (const std::string& name : SplitList(argv[2])) info.Requires.push_back({PackageNameHash(name), name});
    for (const std::string& name : SplitList(argv[3])) info.Contains.push_back({0, PackageNameHash(name), name});
    const std::string bytes = WritePackageInfo(info);
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
      std::cerr << "morvane_packageinfo: cannot write " << argv[1] << "\n";
      return 1;
    }
  } catch (const Exception& e) {
    std::cerr << "morvane_packageinfo: " << e.Message() << "\n";
    return 1;
  }
  return 0;
}
