#include <gtest/gtest.h>

#include <QApplication>

#include "GridsTestSupport.h"

namespace {

void StartEditing(TShownGrid& g) {
  g.Grid->SetOptions(g.Grid->Options() + goEditing);
  g.Grid->SetCells(2, 3, "old");
  g.Grid->SetCol(2);
  g.Grid->SetRow(3);
  PressKey(g.Grid, Qt::Key_F2);
}

}  // namespace

TEST(GridEditing, F2PlacesTheEditorOverTheCellWithItsText) {
  TShownGrid g;
  StartEditing(g);
  TInplaceEdit* editor = g.Grid->InplaceEditor();
  ASSERT_TRUE(editor);
  EXPECT_TRUE(g.Grid->EditorMode());
  EXPECT_TRUE(editor->Visible());
  EXPECT_EQ(editor->Grid(), g.Grid);
  EXPECT_EQ(editor->Parent(), g.Grid);
  EXPECT_EQ(editor->BoundsRect(), g.Grid->CellRect(2, 3));
  EXPECT_EQ(editor->Text(), "old");
  EXPECT_EQ(editor->TextRect(), Rect(2, 2, editor->Width() - 2, editor->Height()));
}

TEST(GridEditing, TypedTextReachesTheCellAndEscapeOrEnterEndTheEdit) {
  struct Case {
    Qt::Key finish;
    std::string cell;  // after finishing
  } cases[] = {{Qt::Key_Escape, "old"}, {Qt::Key_Return, "oldx"}, {Qt::Key_Down, "oldx"}};
  for (const Case& c : cases) {
    TShownGrid g;
    StartEditing(g);
    std::vector<std::string> handed;
    g.Grid->OnSetEditText = [&](TObject*, int32_t, int32_t, const std::string& v) { handed.push_back(v); };
    TInplaceEdit* editor = g.Grid->InplaceEditor();
    TypeText(editor, "x");
    EXPECT_EQ(g.Grid->Cells(2, 3), "oldx") << c.finish;  // handed over while typing
    EXPECT_EQ(handed.front(), "oldx");
    PressKey(editor, c.finish);
    EXPECT_EQ(g.Grid->Cells(2, 3), c.cell) << c.finish;
    if (c.finish == Qt::Key_Down) {  // the editor goes along to the next cell
      EXPECT_EQ(g.Grid->Row(), 4);
      EXPECT_TRUE(editor->Visible());
      EXPECT_EQ(editor->BoundsRect(), g.Grid->CellRect(2, 4));
      EXPECT_EQ(editor->Text(), "");
    } else {
      EXPECT_FALSE(g.Grid->EditorMode()) << c.finish;
      EXPECT_FALSE(editor->Visible()) << c.finish;
    }
  }
}

TEST(GridEditing, GoAlwaysShowEditorKeepsTheEditorUpAndTheEditorFollowsScrolling) {
  TShownGrid g;
  g.Grid->SetOptions(g.Grid->Options() + goEditing + goAlwaysShowEditor);
  ASSERT_TRUE(g.Grid->InplaceEditor());
  EXPECT_TRUE(g.Grid->InplaceEditor()->Visible());
  EXPECT_EQ(g.Grid->InplaceEditor()->BoundsRect(), g.Grid->CellRect(1, 1));
  g.Grid->SetRow(5);
  g.Grid->SetTopRow(3);
  EXPECT_EQ(g.Grid->InplaceEditor()->BoundsRect(), g.Grid->CellRect(1, 5));
  g.Grid->SetOptions(g.Grid->Options() + goRowSelect);  // row selection has no editor
  EXPECT_FALSE(g.Grid->InplaceEditor()->Visible());
}

TEST(StringGrid, ColsAndRowsAreViewsOfTheCells) {
  TShownGrid g;
  g.Grid->Rows(2)->SetCommaText("a,b,c");
  EXPECT_EQ(g.Grid->Cells(0, 2), "a");
  EXPECT_EQ(g.Grid->Cells(2, 2), "c");
  EXPECT_EQ(g.Grid->Cols(1)->Strings(2), "b");
  EXPECT_EQ(g.Grid->Cols(1)->Count(), 10);
  TObject marker;
  g.Grid->Cols(4)->AddObject("x", &marker);
  EXPECT_EQ(g.Grid->Objects(4, 0), &marker);
  EXPECT_EQ(g.Grid->Cells(4, 0), "x");
  EXPECT_THROW(g.Grid->Cols(4)->Delete(0), EInvalidGridOperation);
  EXPECT_THROW(g.Grid->SetCells(6, 0, "out"), EInvalidGridOperation);
  EXPECT_THROW(g.Grid->Rows(10), EInvalidGridOperation);
  g.Grid->SetColCount(2);  // cells beyond the new count are gone
  g.Grid->SetColCount(6);
  EXPECT_EQ(g.Grid->Cells(2, 2), "");
  EXPECT_EQ(g.Grid->Cells(1, 2), "b");
  g.Grid->SetObjects(4, 0, nullptr);
}

TEST(CustomGrid, FixedCountsStayBelowTheCounts) {
  TShownGrid g;
  EXPECT_THROW(g.Grid->SetFixedCols(6), EInvalidGridOperation);
  EXPECT_THROW(g.Grid->SetFixedRows(-1), EInvalidGridOperation);
  g.Grid->SetRowCount(1);
  EXPECT_EQ(g.Grid->FixedRows(), 0);
  EXPECT_EQ(g.Grid->Row(), 0);
  EXPECT_THROW(g.Grid->SetColWidths(6, 10), EInvalidGridOperation);
}
