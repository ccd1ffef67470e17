#include <gtest/gtest.h>

#include "AttachedDesigner.h"
#include "platform/controls/extctrls/Image.h"
#include "platform/controls/extctrls/Panel.h"
#include "platform/controls/stdctrls/Button.h"
#include "platform/controls/stdctrls/Label.h"

namespace {

// Stands in for the palette: records the WM_PALETTERESET it is sent.
struct TPaletteDouble {
  TPaletteDouble() : Control(new TPanel(nullptr)) {
    TWndMethod Saved = Control->WindowProc;
    Control->WindowProc = [this, Saved](TMessage& Message) {
      if (Message.Msg == WM_PALETTERESET)
        Resets.push_back(reinterpret_cast<TComponent*>(Message.LParam));
      else
        Saved(Message);
    };
  }
  ~TPaletteDouble() { Control->Free(); }
  TPanel* Control;
  std::vector<TComponent*> Resets;
};

class Placing : public AttachedDesigner {
 protected:
  void SetUp() override {
    AttachedDesigner::SetUp();
    Panel = AddControl<TPanel>(Form(), Form(), "Panel1", 200, 20, 150, 150);
    Button = AddControl<TButton>(Form(), Form(), "OK", 20, 200, 80, 25);
    TButton Sample(nullptr);
    DefaultWidth = Sample.Width();
    DefaultHeight = Sample.Height();
    ProcessEvents();
  }
  TPanel* Panel = nullptr;
  TButton* Button = nullptr;
  int32_t DefaultWidth = 0;
  int32_t DefaultHeight = 0;
};

TEST_F(Placing, APressPlacesTheClassWhereTheMouseWentAndTellsThePalette) {
  struct TCase {
    const char* Pressed;  // the control pressed on
    QPoint From, To;      // in its client coordinates
    const char* Parent;
    TRect Bounds;         // in the parent's; a width of 0 asks for the default size
  };
  const TCase Cases[] = {
      {"Form1", {50, 60}, {50, 60}, "Form1", {50, 60, 0, 0}},
      {"Form1", {50, 60}, {52, 62}, "Form1", {50, 60, 0, 0}},
      {"Form1", {50, 60}, {150, 100}, "Form1", {50, 60, 150, 100}},
      {"Form1", {150, 100}, {50, 60}, "Form1", {50, 60, 150, 100}},
      // A panel takes the new control inside; a button gets it beside.
      {"Panel1", {10, 20}, {10, 20}, "Panel1", {10, 20, 0, 0}},
      {"OK", {5, 5}, {5, 5}, "Form1", {25, 205, 0, 0}},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(std::string(Case.Pressed) + " to " + std::to_string(Case.To.x()));
    TPaletteDouble Palette;
    Designer->SetInsertClass(Palette.Control, TButton::StaticClass());
    auto* Pressed = static_cast<TControl*>(std::string(Case.Pressed) == "Form1"
                                               ? Form()
                                               : Form()->FindComponent(Case.Pressed));
    MouseDrag(Pressed, Case.From, Case.To);
    ProcessEvents();

    auto* New = dynamic_cast<TButton*>(Form()->FindComponent("Button1"));
    ASSERT_NE(New, nullptr);
    EXPECT_EQ(New->Parent()->Name(), Case.Parent);
    TRect Expected = Case.Bounds;
    if (Expected.Right == 0) {
      Expected.Right = Expected.Left + DefaultWidth;
      Expected.Bottom = Expected.Top + DefaultHeight;
    }
    EXPECT_EQ(New->BoundsRect(), Expected);
    EXPECT_EQ(Palette.Resets, std::vector<TComponent*>{New});
    EXPECT_EQ(Designer->InsertClass, nullptr);
    EXPECT_EQ(SelectedNames(), "Button1");
    EXPECT_EQ(Inspector->UpdateDepth, 0);
    EXPECT_TRUE(Designer->IsModified);
    Designer->DeleteSelection();
  }
}

TEST_F(Placing, CancellingTellsThePaletteWithNoComponent) {
  TPaletteDouble Palette;
  Designer->SetInsertClass(Palette.Control, TButton::StaticClass());
  // A right press while the new control is being dragged cancels placing.
  MousePress(Form(), {50, 60});
  MouseMoveTo(Form(), {90, 90}, Qt::LeftButton);
  MousePress(Form(), {90, 90}, Qt::NoModifier, Qt::RightButton);
  MouseRelease(Form(), {90, 90}, Qt::NoModifier, Qt::RightButton);
  MouseRelease(Form(), {90, 90});
  EXPECT_EQ(Palette.Resets, std::vector<TComponent*>{nullptr});
  EXPECT_EQ(Designer->InsertClass, nullptr);
  EXPECT_EQ(Form()->FindComponent("Button1"), nullptr);

  // Picking another class disarms the first one quietly.
  Designer->SetInsertClass(Palette.Control, TButton::StaticClass());
  Designer->SetInsertClass(Palette.Control, TPanel::StaticClass());
  EXPECT_EQ(Palette.Resets.size(), 1u);
  EXPECT_EQ(Designer->InsertClass, TPanel::StaticClass());
}

TEST_F(Placing, CreateComponentWantsAWindowedParent) {
  auto* Caption = AddControl<TLabel>(Form(), Form(), "Caption", 1, 1, 50, 20);
  EXPECT_THROW(Designer->CreateComponent(TButton::StaticClass(), Caption, 1, 2, 30, 40),
               EInvalidCast);
  TComponent* New = Designer->CreateComponent(TButton::StaticClass(), Panel, 1, 2, 30, 40);
  EXPECT_EQ(New->Name(), "Button1");
  EXPECT_EQ(static_cast<TButton*>(New)->Parent(), Panel);
  EXPECT_EQ(static_cast<TButton*>(New)->BoundsRect(), (TRect{1, 2, 31, 42}));
}

}  // namespace
