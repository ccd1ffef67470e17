#include "GraphicsTestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <fstream>
#include <sstream>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsUnit.h"
#include "platform/graphics/QtGraphics.h"

namespace {
class TQtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "test_platform_graphics";
    static char* argv[] = {name, nullptr};
    App = new QApplication(argc, argv);
    InitializeGraphics();
  }
  void TearDown() override {
    FinalizeGraphics();
    delete App;
  }

 private:
  QApplication* App = nullptr;
};

[[maybe_unused]] ::testing::Environment* const Environment =
    ::testing::AddGlobalTestEnvironment(new TQtEnvironment);
}  // namespace

void MakeBitmap(TBitmap& bitmap, int width, int height, TColor fill) {
  bitmap.SetSize(width, height);
  bitmap.Canvas()->Brush()->SetColor(fill);
  bitmap.Canvas()->FillRect(Rect(0, 0, width, height));
}

std::vector<TColor> PixelsOf(const TBitmap& bitmap) {
  std::vector<TColor> pixels;
  const QImage& image = bitmap.Image();
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) pixels.push_back(QColorToColor(image.pixelColor(x, y)));
  return pixels;
}

std::vector<uint8_t> HexBytes(const std::string& hex) {
  std::vector<uint8_t> bytes;
  for (size_t i = 0; i + 1 < hex.size(); i += 2)
    bytes.push_back(static_cast<uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
  return bytes;
}

std::string CorpusBinaryProperty(const std::string& fileName, const std::string& property) {
  std::ifstream in(std::string(MORVANE_CORPUS_DIR) + "/" + fileName, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  std::string s = text.str();
  size_t start = s.find(property + " = {");
  if (start == std::string::npos) return {};
  start = s.find('{', start) + 1;
  size_t end = s.find('}', start);
  std::string hex;
  for (size_t i = start; i < end; ++i)
    if (std::isxdigit(static_cast<unsigned char>(s[i]))) hex += s[i];
  return hex;
}
