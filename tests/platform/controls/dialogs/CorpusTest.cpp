// The menus and dialogs of real form files load. Each such object is taken
// out of its file with the objects below it and read into a plain form;
// event bindings and references to components outside it (actions, image
// lists) are left out, since those live elsewhere in the file.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "ControlsTestSupport.h"
#include "platform/classes/ComponentStreams.h"
#include "platform/classes/ObjectText.h"
#include "platform/controls/dialogs/Dialogs.h"
#include "platform/controls/menus/Menus.h"
#include "platform/core/Streams.h"

namespace {

std::string CorpusText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.empty() || (bytes[0] != '\xFF' && bytes.compare(0, 4, "TPF0") != 0)) return bytes;
  TMemoryStream input;
  input.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  input.SetPosition(0);
  TMemoryStream output;
  if (bytes[0] == '\xFF') ObjectResourceToText(input, output);
  else ObjectBinaryToText(input, output);
  return std::string(static_cast<const char*>(output.Memory()), static_cast<size_t>(output.Size()));
}

// The objects of our classes in text, each with what is nested in it.
std::vector<std::pair<std::string, std::string>> OurObjects(const std::string& text) {
  static const std::regex start(
      R"(^(\s*)(?:object|inherited) \w+: (TMainMenu|TPopupMenu|TOpenDialog|TSaveDialog|TOpenPictureDialog|)"
      R"(TSavePictureDialog|TColorDialog|TFontDialog|TPrinterSetupDialog|TFindDialog|TReplaceDialog)\s*$)");
  static const std::regex outside(R"(^\s*(On\w+|Action|Images) = )");
  std::vector<std::pair<std::string, std::string>> found;
  std::istringstream lines(text);
  std::string line, indent, className, block;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::smatch m;
    if (className.empty()) {
      if (!std::regex_match(line, m, start)) continue;
      indent = m[1];
      className = m[2];
      block = line + "\n";
      continue;
    }
    if (std::regex_search(line, outside)) continue;
    block += line + "\n";
    if (line == indent + "end") {
      found.emplace_back(className, block);
      className.clear();
    }
  }
  return found;
}

TEST(Corpus, MenusAndDialogsOfRealFormFilesLoad) {
  InitializeMenus();
  InitializeDialogs();
  std::map<std::string, int> loaded;
  for (const auto& entry : std::filesystem::directory_iterator(MORVANE_CORPUS_DIR)) {
    for (const auto& [className, block] : OurObjects(CorpusText(entry.path()))) {
      auto* form = new TForm(nullptr);
      try {
        TextToComponent("object CorpusForm: TForm\n" + block + "end\n", form);
        ++loaded[className];
      } catch (const Exception& e) {
        ADD_FAILURE() << entry.path().filename() << " " << className << ": " << e.Message();
      }
      form->Free();
    }
  }
  for (const char* className : {"TMainMenu", "TPopupMenu", "TOpenDialog", "TSaveDialog", "TColorDialog",
                                "TFontDialog", "TFindDialog", "TPrinterSetupDialog"})
    EXPECT_GT(loaded[className], 0) << className;
}

}  // namespace
