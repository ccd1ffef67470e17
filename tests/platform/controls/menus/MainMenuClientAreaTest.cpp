#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>

#include "ControlsTestSupport.h"
#include "platform/controls/menus/Menus.h"

namespace {

// A shown form with a main menu and a red panel aligned to the top.
struct TFormWithMenu {
  TFormWithMenu() {
    InitializeMenus();
    Form = new TForm(nullptr);
    Form->SetBounds(10, 10, 240, 160);
    Menu = new TMainMenu(Form);
    auto* file = new TMenuItem(Form);
    file->SetCaption("&File");
    Menu->Items()->Add(file);
    Panel = new TTestPanel(Form);
    Panel->SetParent(Form);
    Panel->SetAlign(alTop);
    Panel->SetHeight(30);
    Panel->SetColor(clRed);
    Form->SetMenu(Menu);
    Form->Show();
    QApplication::processEvents();
  }
  ~TFormWithMenu() { Form->Free(); }
  int ScreenTopOf(TWinControl* control) const {
    RECT r;
    GetWindowRect(control->Handle(), &r);
    return r.Top;
  }
  TForm* Form;
  TMainMenu* Menu;
  TTestPanel* Panel;
};

TEST(MainMenuClientArea, AnAlTopPanelSitsRightBelowTheBarUntilTheMenuGoes) {
  TFormWithMenu shown;
  QWidget* form = WidgetOf(shown.Form);
  int bar = shown.Menu->BarHeight();
  ASSERT_GT(bar, 0);
  EXPECT_EQ(shown.Form->ClientHeight(), form->height() - bar);
  EXPECT_EQ(shown.Form->ClientRect(), Rect(0, 0, form->width(), form->height() - bar));
  EXPECT_EQ(shown.Panel->Top(), 0);
  EXPECT_EQ(shown.Panel->Width(), form->width());
  EXPECT_EQ(shown.ScreenTopOf(shown.Panel), form->mapToGlobal(QPoint(0, bar)).y());

  // What the form shows: the bar on top, the panel right below it.
  QImage image = Snapshot(shown.Form);
  QImage barImage = shown.Menu->MenuBar()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(image.pixel(form->width() - 3, bar / 2), barImage.pixel(form->width() - 3, bar / 2));
  EXPECT_EQ(PixelAt(image, 100, bar + 15), clRed);
  EXPECT_NE(PixelAt(image, 100, bar - 2), clRed);

  shown.Form->SetMenu(nullptr);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(shown.Form->ClientHeight(), form->height());
  EXPECT_EQ(shown.Panel->Top(), 0);
  EXPECT_EQ(shown.ScreenTopOf(shown.Panel), form->mapToGlobal(QPoint(0, 0)).y());
  EXPECT_EQ(PixelAt(Snapshot(shown.Form), 100, 15), clRed);
}

TEST(MainMenuClientArea, AClickAtTheClientsTopLeftHitsTheControlThereInClientCoordinates) {
  TFormWithMenu shown;
  QWidget* form = WidgetOf(shown.Form);
  int bar = shown.Menu->BarHeight();
  EXPECT_EQ(ChildWindowFromPoint(shown.Form->Handle(), {5, 5}), shown.Panel->Handle());
  // Qt's own hit test finds the panel's window at client (5,5), which lies
  // bar pixels down in the form's widget.
  QWidget* hit = form->childAt(5, bar + 5);
  ASSERT_EQ(hit, WidgetOf(shown.Panel));

  LPARAM down = -1;
  TWndMethod saved = shown.Panel->WindowProc;
  shown.Panel->WindowProc = [&](TMessage& message) {
    if (message.Msg == WM_LBUTTONDOWN) down = message.LParam;
    saved(message);
  };
  ClickAt(shown.Panel, hit->mapFrom(form, QPoint(5, bar + 5)));
  shown.Panel->WindowProc = saved;
  EXPECT_EQ(down, MAKELPARAM(5, 5));
}

}  // namespace
