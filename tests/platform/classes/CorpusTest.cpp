// Every file of the form corpus must survive the conversions: text files
// text -> binary -> text unchanged (line ends aside), binary form files
// binary -> text -> binary byte for byte.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/classes/ObjectText.h"
#include "platform/classes/ResourceHeader.h"
#include "platform/core/Streams.h"

namespace {

std::string ReadFile(const std::filesystem::path& path) {
  TMemoryStream s;
  s.LoadFromFile(path.string());
  return std::string(static_cast<const char*>(s.Memory()), static_cast<size_t>(s.Size()));
}

std::string WithoutCarriageReturns(std::string s) {
  s.erase(std::remove(s.begin(), s.end(), '\r'), s.end());
  return s;
}

bool IsFormResource(const std::string& bytes) { return !bytes.empty() && static_cast<unsigned char>(bytes[0]) == 0xFF; }

std::vector<std::string> CorpusFiles() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(MORVANE_CORPUS_DIR)) {
    std::string ext = entry.path().extension().string();
    if (ext == ".dfm" || ext == ".lfm") names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// Files whose text cannot come back unchanged, with the reason. They must still
// reach a fixed point: their binary form converts to text and back to the
// same bytes.
const std::map<std::string, std::string> kTextExceptions = {
    {"024_U_ConvertTest.dfm",
     "written by an older converter that printed extended values with 15 significant digits and no padding "
     "(36526.9391921296); the binary form does not say which printing a file had"},
};

std::string TextToBinary(const std::string& text) {
  TStringStream input(text), binary;
  ObjectTextToBinary(input, binary);
  return binary.DataString();
}

std::string BinaryToText(const std::string& binary, TObjectTextStyle style) {
  TStringStream input(binary), text;
  ObjectBinaryToText(input, text, style);
  return text.DataString();
}

class CorpusTest : public testing::TestWithParam<std::string> {};

TEST_P(CorpusTest, RoundTrips) {
  const std::filesystem::path path = std::filesystem::path(MORVANE_CORPUS_DIR) / GetParam();
  const std::string original = ReadFile(path);
  const TObjectTextStyle style = path.extension() == ".lfm" ? otsLongLines : otsClassic;
  if (IsFormResource(original)) {
    TStringStream input(original), text, binary;
    ObjectResourceToText(input, text, style);
    EXPECT_EQ(input.Position(), input.Size());
    text.SetPosition(0);
    ObjectTextToResource(text, binary);
    EXPECT_EQ(binary.DataString(), original);
  } else {
    TStringStream input(original), binary;
    ObjectTextToBinary(input, binary);
    EXPECT_EQ(input.Position(), input.Size());
    const std::string text = BinaryToText(binary.DataString(), style);
    if (kTextExceptions.count(GetParam())) {
      EXPECT_EQ(TextToBinary(text), binary.DataString());
    } else {
      EXPECT_EQ(text, WithoutCarriageReturns(original));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusTest, testing::ValuesIn(CorpusFiles()),
                         [](const testing::TestParamInfo<std::string>& info) {
                           std::string name = info.param;
                           for (char& c : name)
                             if (!isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

}  // namespace
