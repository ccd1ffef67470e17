#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "ExtCtrlsTestSupport.h"
#include "platform/classes/ComponentStreams.h"

namespace {

const std::set<std::string> FamilyClasses = {
    "TPanel", "TBevel", "TShape", "TImage", "TPaintBox", "TSpeedButton", "TBitBtn", "TSplitter",
    "TScrollBox", "TStatusBar", "TTimer", "TTrackBar", "TProgressBar", "TRichEdit"};

// Properties that real files carry for every control of later platform
// versions or for other families (events name the form's methods, references
// name other components): not this family's to read.
bool ForeignProperty(const std::string& name) {
  static const std::regex foreign(
      "(Explicit.*|Margins\\..*|AlignWithMargins|DesignSize|Constraints\\..*|On[A-Z].*|PopupMenu|"
      "DragCursor|DragMode|DragKind|Ctl3D|ParentCtl3D|BiDiMode|ParentBiDiMode|HelpContext|"
      "ImeMode|ImeName|ParentDoubleBuffered|DoubleBuffered|UseDockManager|DockSite|Action)");
  return std::regex_match(name, foreign);
}

struct TBlock {
  std::string File;
  std::string ClassName;
  std::string Text;
};

// Every object of the family's classes in the corpus's text files, without
// its children and without foreign properties, as the only child of a form.
std::vector<TBlock> FamilyBlocks() {
  std::vector<TBlock> blocks;
  const std::regex header(R"(^(\s*)(object|inherited|inline) (\w+) *: *(\w+)\s*$)");
  const std::regex property(R"(^\s*([\w.]+) = )");
  for (const auto& entry : std::filesystem::directory_iterator(MORVANE_CORPUS_DIR)) {
    std::ifstream in(entry.path(), std::ios::binary);
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (content.rfind("object", 0) != 0 && content.rfind("inherited", 0) != 0) continue;  // binary files
    std::vector<std::string> lines;
    std::istringstream stream(content);
    for (std::string line; std::getline(stream, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
    }
    for (size_t i = 0; i < lines.size(); ++i) {
      std::smatch m;
      if (!std::regex_match(lines[i], m, header) || !FamilyClasses.count(m[4].str())) continue;
      std::string indent = m[1].str();
      std::string text = "object Corpus: TForm\n  object " + m[3].str() + ": " + m[4].str() + "\n";
      bool skipping = false;  // inside a foreign property's multi-line value
      for (size_t j = i + 1; j < lines.size() && lines[j] != indent + "end"; ++j) {
        const std::string& line = lines[j];
        std::smatch child;
        if (std::regex_match(line, child, header)) {
          // A child: skipped up to its own end, whatever its values hold.
          std::string childEnd = child[1].str() + "end";
          while (j + 1 < lines.size() && lines[j + 1] != childEnd) ++j;
          ++j;
          continue;
        }
        bool own = line.size() > indent.size() + 2 && line.compare(0, indent.size() + 2, indent + "  ") == 0 &&
                   line[indent.size() + 2] != ' ';
        std::smatch p;
        if (own) skipping = std::regex_search(line, p, property) && ForeignProperty(p[1].str());
        if (!skipping) text += "  " + line.substr(std::min(line.size(), indent.size())) + "\n";
      }
      blocks.push_back({entry.path().filename().string(), m[4].str(), text + "  end\nend\n"});
    }
  }
  return blocks;
}

TEST(ExtCtrlsCorpus, EveryObjectOfTheFamilyInRealFormFilesLoadsAndStreamsBack) {
  std::vector<TBlock> blocks = FamilyBlocks();
  ASSERT_FALSE(blocks.empty());
  std::set<std::string> seen;
  for (const TBlock& block : blocks) {
    seen.insert(block.ClassName);
    auto* form = new TForm(nullptr);
    try {
      TextToComponent(block.Text, form);
      std::string written = ComponentToText(form);
      auto* again = new TForm(nullptr);
      TextToComponent(written, again);
      EXPECT_EQ(ComponentToText(again), written) << block.File;
      again->Free();
    } catch (const Exception& e) {
      // Pictures of formats the graphics layer does not read (JPEG, PNG) are not this family's.
      if (e.Message().find("Unknown picture format") != std::string::npos) {
        form->Free();
        continue;
      }
      ADD_FAILURE() << block.File << ": " << e.Message() << "\n" << block.Text;
    }
    form->Free();
  }
  EXPECT_GE(seen.size(), 10u);
}

}  // namespace
