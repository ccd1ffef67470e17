#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include "GridsTestSupport.h"
#include "platform/classes/ComponentStreams.h"
#include "platform/graphics/Colors.h"

namespace {

std::vector<uint8_t> Binary(TComponent* root) {
  TMemoryStream stream;
  WriteComponent(stream, root);
  auto* bytes = static_cast<const uint8_t*>(stream.Memory());
  return {bytes, bytes + stream.Size()};
}

// The grid blocks of a corpus form file, without their event bindings (the
// handlers belong to the file's own form class).
std::vector<std::string> CorpusGrids(const char* file) {
  QFile f(QString(MORVANE_CORPUS_DIR) + "/" + file);
  if (!f.open(QIODevice::ReadOnly)) return {};
  QString text = QString::fromLatin1(f.readAll());
  QRegularExpression block(R"(( *)object \w+: T(String|Draw)Grid\r?\n.*?\r?\n\1end)",
                           QRegularExpression::DotMatchesEverythingOption);
  std::vector<std::string> grids;
  for (auto it = block.globalMatch(text); it.hasNext();) {
    QString grid = it.next().captured(0);
    grid.remove(QRegularExpression(R"(\n *On\w+ = \w+\r?)"));
    grids.push_back(grid.toStdString());
  }
  return grids;
}

}  // namespace

TEST(GridLook, FixedCellsLinesAndSelectionHaveThePlatformsColours) {
  TShownGrid g;
  g.Grid->SetSelection({1, 1, 2, 2});
  g.Grid->SetCells(3, 3, "Wide text");
  QImage image = Snapshot(g.Grid);
  EXPECT_EQ(PixelAt(image, 20, 10), ColorToRGB(clBtnFace));       // fixed cell
  EXPECT_EQ(PixelAt(image, 40, 30), ColorToRGB(clBlack));         // line beside a fixed cell
  EXPECT_EQ(PixelAt(image, 122, 70), ColorToRGB(clSilver));       // line between cells
  EXPECT_EQ(PixelAt(image, 100, 50), ColorToRGB(clHighlight));    // selected, not current
  EXPECT_EQ(PixelAt(image, 60, 30), ColorToRGB(clWindow));        // current: not highlighted
  EXPECT_EQ(PixelAt(image, 39, 19), ColorToRGB(clBtnShadow));     // raised fixed cell edge
  bool text = false;
  for (int x = 125; x < 160 && !text; ++x)
    for (int y = 65; y < 80 && !text; ++y) text = PixelAt(image, x, y) != ColorToRGB(clWindow);
  EXPECT_TRUE(text);
}

TEST(GridLook, OnDrawCellPaintsWithTheStateOfEachCell) {
  TShownGrid g;
  g.Grid->SetDefaultDrawing(false);
  g.Grid->SetSelection({1, 1, 2, 1});
  std::map<std::pair<int, int>, TGridDrawState> states;
  g.Grid->OnDrawCell = [&](TObject*, int32_t col, int32_t row, TRect rect, TGridDrawState state) {
    states[{col, row}] = state;
    g.Grid->Canvas()->Brush()->SetColor(clLime);
    g.Grid->Canvas()->FillRect(rect);
  };
  QImage image = Snapshot(g.Grid);
  EXPECT_EQ(states[(std::pair{0, 0})], (TGridDrawState{gdFixed}));
  EXPECT_EQ(states[(std::pair{2, 1})], (TGridDrawState{gdSelected}));
  EXPECT_EQ(states[(std::pair{3, 3})], TGridDrawState());
  EXPECT_FALSE(states.contains(std::pair{1, 8}));  // not shown
  EXPECT_EQ(PixelAt(image, 20, 10), ColorToRGB(clLime));
}

TEST(GridStreaming, GridsStreamThroughBinaryAndTextUnchanged) {
  TShownGrid g;
  TForm* form = g.Shown.Form;
  form->SetName("GridForm");
  g.Grid->SetColWidths(1, 77);
  g.Grid->SetRowHeights(3, 33);
  g.Grid->SetOptions(TGridOptions{goFixedVertLine, goEditing, goTabs, goColSizing});
  g.Grid->SetFixedCols(0);
  g.Grid->SetScrollBars(ssVertical);
  g.Grid->SetCells(1, 1, "not streamed");
  auto* draw = new TDrawGrid(form);
  draw->SetName("Draw1");
  draw->SetParent(form);
  draw->SetRowCount(2);
  draw->SetFixedRows(0);
  draw->SetGridLineWidth(2);
  draw->SetDefaultDrawing(false);
  std::vector<uint8_t> bytes = Binary(form);
  auto* copy = new TForm(nullptr);
  TMemoryStream in;
  in.Write(bytes.data(), static_cast<int64_t>(bytes.size()));
  in.SetPosition(0);
  ReadComponent(in, copy);
  EXPECT_EQ(Binary(copy), bytes);
  auto* grid = ObjectAs<TStringGrid>(copy->FindComponent("Grid1"));
  ASSERT_TRUE(grid);
  EXPECT_EQ(grid->ColWidths(1), 77);
  EXPECT_EQ(grid->RowHeights(3), 33);
  EXPECT_EQ(grid->FixedCols(), 0);
  EXPECT_EQ(grid->Cells(1, 1), "");
  std::string text = ComponentToText(form);
  EXPECT_NE(text.find("Options = [goFixedVertLine, goColSizing, goEditing, goTabs]"), std::string::npos);
  EXPECT_NE(text.find("ColWidths = (\n      40\n      77"), std::string::npos) << text;
  EXPECT_NE(text.find("GridLineWidth = 2"), std::string::npos);
  EXPECT_EQ(text.find("ParentColor"), std::string::npos);  // equal to the default
  auto* fromText = new TForm(nullptr);
  TextToComponent(text, fromText);
  EXPECT_EQ(ComponentToText(fromText), text);
  copy->Free();
  fromText->Free();
}

TEST(GridStreaming, CorpusGridsLoadAndBadSizesAreRefusedCleanly) {
  InitializeGrids();  // the classes must be known when this test runs alone
  int loaded = 0;
  for (const char* file : {"005_Unit1.dfm", "021_U_EightQueens_Wirth2.dfm", "025_U_Akerue4.dfm", "042_FastMMUsageTracker.dfm",
                           "026_U_Keno2.dfm", "032_U_MensaTiles.dfm"}) {
    for (const std::string& grid : CorpusGrids(file)) {
      std::string form = "object CorpusForm: TForm\n" + grid + "\nend\n";
      auto* root = new TForm(nullptr);
      EXPECT_NO_THROW(TextToComponent(form, root)) << file << '\n' << grid;
      ++loaded;
      root->Free();
    }
  }
  EXPECT_GE(loaded, 3);
  auto* root = new TForm(nullptr);
  EXPECT_THROW(TextToComponent("object F: TForm\n object G: TStringGrid\n  ColCount = 3\n  FixedCols = 3\n end\nend\n",
                               root),
               EInvalidGridOperation);
  root->Free();
  // A size list longer than the grid is read and its extra values dropped.
  root = new TForm(nullptr);
  TextToComponent("object F: TForm\n object G: TDrawGrid\n  ColCount = 2\n  ColWidths = (\n   10\n   20\n   30)\n end\nend\n",
                  root);
  auto* grid = ObjectAs<TDrawGrid>(root->FindComponent("G"));
  EXPECT_EQ(grid->ColWidths(0), 10);
  EXPECT_EQ(grid->ColWidths(1), 20);
  root->Free();
}
