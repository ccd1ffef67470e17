#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <cstring>

#include "ControlsTestSupport.h"
#include "platform/classes/ComponentStreams.h"
#include "platform/controls/menus/Menus.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Streams.h"

namespace {

// A windowed control that offers a popup menu.
class TPopupPanel : public TCustomControl {
  MORVANE_CLASS(TPopupPanel, TCustomControl)

 public:
  explicit TPopupPanel(TComponent* owner) : TCustomControl(owner) {}
  static void Publish(TPublisher<TPopupPanel>& p) {
    PublishCaption(p);
    PublishPopupMenu(p);
    PublishTabOrder(p);
  }
};

struct TMenusStarted {
  TMenusStarted() {
    InitializeMenus();
    RegisterClass(TPopupPanel::StaticClass());
  }
};

TMenuItem* NewItem(TComponent* owner, const std::string& caption, TMenuItem* parent = nullptr) {
  auto* item = new TMenuItem(owner);
  item->SetCaption(caption);
  if (parent) parent->Add(item);
  return item;
}

// Records the menu loop messages a window gets, in order.
struct TLoopRecorder {
  explicit TLoopRecorder(TControl* control) : Control(control), Saved(control->WindowProc) {
    control->WindowProc = [this](TMessage& message) {
      if (message.Msg == WM_ENTERMENULOOP) Log += "enter ";
      if (message.Msg == WM_EXITMENULOOP) Log += "exit ";
      Saved(message);
    };
  }
  ~TLoopRecorder() { Control->WindowProc = Saved; }
  TControl* Control;
  TWndMethod Saved;
  std::string Log;
};

TEST(ShortCuts, TextAndValuesBothWays) {
  struct TCase {
    const char* Text;
    TShortCut Value;
  } cases[] = {
      {"Ctrl+N", static_cast<TShortCut>(scCtrl | 'N')},
      {"Alt+X", static_cast<TShortCut>(scAlt | 'X')},
      {"F11", 0x7A},
      {"Shift+Ctrl+Del", static_cast<TShortCut>(scShift | scCtrl | VK_DELETE)},
      {"Ctrl+Alt+PgDn", static_cast<TShortCut>(scCtrl | scAlt | VK_NEXT)},
      {"Enter", VK_RETURN},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(TextToShortCut(c.Text), c.Value) << c.Text;
    EXPECT_EQ(ShortCutToText(c.Value), c.Text) << c.Text;
  }
  EXPECT_EQ(TextToShortCut("ctrl+shift+n"), static_cast<TShortCut>(scCtrl | scShift | 'N'));
  for (const char* nothing : {"", "Ctrl+", "+", "Ctrl+Banana"}) EXPECT_EQ(TextToShortCut(nothing), scNone) << nothing;
  EXPECT_EQ(ShortCutToText(scNone), "");
}

TEST(MenuItems, ListOperationsKeepParentsAndOrder) {
  TMenusStarted started;
  TPopupMenu menu(nullptr);
  TMenuItem* file = NewItem(&menu, "&File", menu.Items());
  TMenuItem* edit = NewItem(&menu, "&Edit");
  menu.Items()->Insert(0, edit);
  EXPECT_EQ(menu.Items()->IndexOf(file), 1);
  EXPECT_EQ(edit->MenuIndex(), 0);
  EXPECT_EQ(file->Parent(), menu.Items());
  EXPECT_EQ(file->GetParentMenu(), &menu);
  EXPECT_EQ(menu.Items()->Find("file"), file);  // accelerators and case do not count
  EXPECT_EQ(menu.Items()->Find("Nothing"), nullptr);
  EXPECT_THROW(menu.Items()->Add(file), EMenuError);
  EXPECT_THROW(file->Add(menu.Items()), EMenuError);
  EXPECT_THROW(menu.Items()->Items(5), EMenuError);

  file->SetMenuIndex(0);
  EXPECT_EQ((*menu.Items())[0], file);
  menu.Items()->Remove(edit);
  EXPECT_EQ(edit->Parent(), nullptr);
  EXPECT_EQ(menu.Items()->Count(), 1);
  edit->Free();

  TMenuItem* open = NewItem(&menu, "&Open", file);
  open->Free();  // an item freed on its own leaves its parent
  EXPECT_EQ(file->Count(), 0);
  NewItem(&menu, "-", file);
  EXPECT_TRUE(file->Items(0)->IsLine());
  menu.Items()->Clear();
  EXPECT_EQ(menu.Items()->Count(), 0);
  EXPECT_EQ(menu.ComponentCount(), 0);
  EXPECT_EQ(StripHotkey("&Save && Exit"), "Save & Exit");
}

TEST(MenuItems, ClickChecksRadioGroupsAndSkipsDisabledItems) {
  TMenusStarted started;
  TPopupMenu menu(nullptr);
  TMenuItem* a = NewItem(&menu, "A", menu.Items());
  TMenuItem* b = NewItem(&menu, "B", menu.Items());
  TMenuItem* other = NewItem(&menu, "Other group", menu.Items());
  for (TMenuItem* item : {a, b, other}) {
    item->SetRadioItem(true);
    item->SetAutoCheck(true);
  }
  other->SetGroupIndex(2);
  other->SetChecked(true);
  a->Click();
  b->Click();
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(b->Checked());
  EXPECT_TRUE(other->Checked());  // another group is left alone

  int clicks = 0;
  a->OnClick = [&](TObject* sender) {
    EXPECT_EQ(sender, a);
    ++clicks;
  };
  a->SetEnabled(false);
  a->Click();
  EXPECT_EQ(clicks, 0);
  a->SetEnabled(true);
  a->Click();
  EXPECT_EQ(clicks, 1);
}

const char* const MenuFormText = R"(object MenuForm: TForm
  Left = 0
  Top = 0
  Width = 240
  Height = 180
  Caption = 'Menus'
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  Menu = MainMenu1
  OldCreateOrder = False
  PixelsPerInch = 96
  TextHeight = 13
  object Panel1: TPopupPanel
    Left = 10
    Top = 40
    Width = 100
    Height = 60
    Caption = 'Panel'
    PopupMenu = PopupMenu1
    TabOrder = 0
  end
  object MainMenu1: TMainMenu
    AutoHotkeys = maManual
    Left = 64
    Top = 56
    object mFile: TMenuItem
      Caption = '&File'
      object mFileNew: TMenuItem
        Caption = '&New'
        Hint = 'Makes a new file'
        ShortCut = 16462
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object mFileExit: TMenuItem
        Caption = 'E&xit'
        Enabled = False
        HelpContext = 12
      end
    end
    object mView: TMenuItem
      Caption = '&View'
      object mViewBig: TMenuItem
        Tag = 1
        AutoCheck = True
        Caption = 'Big'
        Checked = True
        GroupIndex = 1
        RadioItem = True
      end
      object mViewSmall: TMenuItem
        AutoCheck = True
        Caption = 'Small'
        GroupIndex = 1
        ImageIndex = 3
        RadioItem = True
      end
    end
  end
  object PopupMenu1: TPopupMenu
    Alignment = paRight
    MenuAnimation = [maRightToLeft]
    Left = 96
    Top = 56
    object pCut: TMenuItem
      Caption = 'Cu&t'
      Default = True
    end
    object pMore: TMenuItem
      Caption = '&More'
      object pMoreDisabled: TMenuItem
        Caption = 'Disabled'
        Enabled = False
      end
      object pMorePaste: TMenuItem
        Caption = '&Paste'
        ShortCut = 8237
      end
    end
  end
end
)";

// A form read from MenuFormText, shown offscreen unless asked not to.
struct TMenuForm {
  explicit TMenuForm(bool show = true) {
    TMenusStarted started;
    Form = new TForm(nullptr);
    TextToComponent(MenuFormText, Form);
    if (!show) return;
    Form->Show();
    QApplication::processEvents();
  }
  ~TMenuForm() { Form->Free(); }
  template <class T>
  T* Find(const char* name) const {
    return ObjectAs<T>(Form->FindComponent(name));
  }
  TForm* Form;
};

TEST(Menus, StreamAsNestedObjectsThroughBinaryAndTextUnchanged) {
  TMenuForm shown(false);
  auto* menu = shown.Find<TMainMenu>("MainMenu1");
  ASSERT_TRUE(menu);
  EXPECT_EQ(shown.Form->Menu(), menu);
  EXPECT_EQ(menu->Items()->Count(), 2);
  EXPECT_EQ(menu->Items()->Items(0)->Items(2)->Name(), "mFileExit");
  EXPECT_EQ(shown.Find<TMenuItem>("mFileNew")->ShortCut(), TextToShortCut("Ctrl+N"));
  EXPECT_EQ(shown.Find<TPopupPanel>("Panel1")->PopupMenu(), shown.Find<TPopupMenu>("PopupMenu1"));
  EXPECT_EQ(ComponentToText(shown.Form), MenuFormText);

  TMemoryStream first;
  WriteComponent(first, shown.Form);
  auto* copy = new TForm(nullptr);
  first.SetPosition(0);
  ReadComponent(first, copy);
  TMemoryStream second;
  WriteComponent(second, copy);
  EXPECT_EQ(second.Size(), first.Size());
  EXPECT_EQ(0, std::memcmp(first.Memory(), second.Memory(), static_cast<size_t>(first.Size())));
  copy->Free();
}

TEST(Menus, RightClickPopsUpTheControlsMenuInsideAMenuLoop) {
  TMenuForm shown;
  auto* panel = shown.Find<TPopupPanel>("Panel1");
  auto* popup = shown.Find<TPopupMenu>("PopupMenu1");
  std::string clicked;
  for (const char* name : {"pCut", "pMorePaste", "pMoreDisabled"})
    shown.Find<TMenuItem>(name)->OnClick = [&clicked, name](TObject*) { clicked += name; };
  int popups = 0;
  popup->OnPopup = [&](TObject*) { ++popups; };
  TLoopRecorder loop(shown.Form);

  auto rightClick = [&] {
    QPoint at(20, 10);
    SendMouse(panel, QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton);
    SendMouse(panel, QEvent::MouseButtonRelease, at, Qt::RightButton, Qt::NoButton);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, WidgetOf(panel)->mapToGlobal(at));
    QApplication::sendEvent(WidgetOf(panel), &event);
  };
  struct TCase {
    std::vector<std::string> Choice;
    TModalResult Result;
    const char* Clicked;
  } cases[] = {
      {{"Cu&t"}, mrOk, "pCut"},
      {{"more", "paste"}, mrOk, "pMorePaste"},
      {{"&More", "Disabled"}, mrOk, ""},  // a disabled item cannot be chosen
      {{"&More"}, mrOk, ""},              // nor a submenu itself
      {{"Cu&t"}, mrCancel, ""},
  };
  for (const TCase& c : cases) {
    TModalResponder responder;
    responder.Choose(c.Choice, c.Result);
    clicked.clear();
    loop.Log.clear();
    rightClick();
    EXPECT_EQ(clicked, c.Clicked) << c.Choice.back();
    EXPECT_EQ(loop.Log, "enter exit ");
    ASSERT_EQ(responder.Requests().size(), 1u);
    EXPECT_EQ(responder.Requests()[0].Kind, mrkMenu);
    EXPECT_EQ(responder.Requests()[0].Caption, "PopupMenu1");
    EXPECT_EQ(responder.Requests()[0].Text, "Cu&t|&More");
  }
  EXPECT_EQ(popups, 5);
  EXPECT_EQ(popup->PopupComponent(), panel);

  TModalResponder responder;
  responder.Choose({"Nothing"});
  loop.Log.clear();
  EXPECT_THROW(popup->Popup(0, 0), EMenuError);
  EXPECT_EQ(loop.Log, "enter exit ");  // the loop ends also when the menu fails

  popup->SetAutoPopup(false);  // then the right click does nothing
  rightClick();
  EXPECT_EQ(responder.Pending(), 0u);
}

TEST(Menus, AGraphicChildsMenuComesBeforeItsParentsAndKeysOpenAtTheControl) {
  TMenuForm shown;
  auto* panel = shown.Find<TPopupPanel>("Panel1");
  auto* shape = new TTestShape(shown.Form);
  shape->SetParent(panel);
  shape->SetBounds(50, 20, 20, 20);
  auto* shapeMenu = new TPopupMenu(shown.Form);
  shapeMenu->SetName("ShapeMenu");
  NewItem(shown.Form, "Shape item", shapeMenu->Items());
  shape->SetPopupMenu(shapeMenu);
  auto contextMenu = [&](QContextMenuEvent::Reason reason, QPoint at) {
    QContextMenuEvent event(reason, at, WidgetOf(panel)->mapToGlobal(at));
    QApplication::sendEvent(WidgetOf(panel), &event);
  };
  struct TCase {
    QContextMenuEvent::Reason Reason;
    QPoint At;
    TControl* Component;
  } cases[] = {
      {QContextMenuEvent::Mouse, {55, 25}, shape},
      {QContextMenuEvent::Mouse, {10, 10}, panel},
      {QContextMenuEvent::Keyboard, {55, 25}, panel},
  };
  for (const TCase& c : cases) {
    TModalResponder responder;
    responder.Answer(mrCancel);
    SendMouse(panel, QEvent::MouseButtonRelease, c.At, Qt::RightButton, Qt::NoButton);
    contextMenu(c.Reason, c.At);
    ASSERT_EQ(responder.Requests().size(), 1u);
    TPopupMenu* shownMenu = c.Component == shape ? shapeMenu : shown.Find<TPopupMenu>("PopupMenu1");
    EXPECT_EQ(responder.Requests()[0].Caption, shownMenu->Name());
    EXPECT_EQ(shownMenu->PopupComponent(), c.Component);
  }
}

// What a call-window-procedure hook sees of menu loops, on any window.
std::string HookedLoops;
HHOOK LoopHook = nullptr;
LRESULT WatchLoops(int code, WPARAM wParam, LPARAM lParam) {
  const auto* cwp = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (cwp->message == WM_ENTERMENULOOP) HookedLoops += "enter ";
  if (cwp->message == WM_EXITMENULOOP) HookedLoops += "exit ";
  return CallNextHookEx(LoopHook, code, wParam, lParam);
}

TEST(Menus, AMenuOfNobodysRunsItsLoopOnTheApplicationWindow) {
  TMenusStarted started;
  TPopupMenu menu(nullptr);
  TMenuItem* align = NewItem(&menu, "Align To &Grid", menu.Items());
  int clicks = 0;
  align->OnClick = [&](TObject*) { ++clicks; };
  LoopHook = SetWindowsHookEx(WH_CALLWNDPROC, WatchLoops, nullptr, GetCurrentThreadId());
  HookedLoops.clear();
  {
    TModalResponder responder;
    responder.Choose({"Align To Grid"});
    menu.Popup(10, 10);
  }
  UnhookWindowsHookEx(LoopHook);
  EXPECT_EQ(HookedLoops, "enter exit ");
  EXPECT_EQ(clicks, 1);
}

TEST(Menus, TheMainMenuIsABarOnTheFormThatFollowsTheItems) {
  TMenuForm shown;
  auto* menu = shown.Find<TMainMenu>("MainMenu1");
  QMenuBar* bar = menu->MenuBar();
  ASSERT_TRUE(bar);
  ASSERT_EQ(bar->actions().size(), 2);
  EXPECT_EQ(bar->actions()[0]->text(), "&File");
  QMenu* file = bar->actions()[0]->menu();
  ASSERT_TRUE(file);
  ASSERT_EQ(file->actions().size(), 3);
  EXPECT_EQ(file->actions()[0]->text(), "&New\tCtrl+N");
  EXPECT_TRUE(file->actions()[1]->isSeparator());
  EXPECT_FALSE(file->actions()[2]->isEnabled());
  EXPECT_GT(menu->BarHeight(), 0);
  EXPECT_EQ(bar->width(), WidgetOf(shown.Form)->width());

  // The bar's pixels are on the form.
  QImage image = WidgetOf(shown.Form)->grab().toImage();
  QImage barImage = bar->grab().toImage();
  EXPECT_EQ(image.pixel(bar->width() - 2, bar->height() / 2), barImage.pixel(bar->width() - 2, bar->height() / 2));

  int news = 0;
  shown.Find<TMenuItem>("mFileNew")->OnClick = [&](TObject*) { ++news; };
  file->actions()[0]->trigger();
  EXPECT_EQ(news, 1);

  // Changes show at once; a menu that opens puts the form in a menu loop.
  shown.Find<TMenuItem>("mView")->SetCaption("&Look");
  NewItem(shown.Form, "&Help", menu->Items());
  bar = menu->MenuBar();
  ASSERT_EQ(bar->actions().size(), 3);
  EXPECT_EQ(bar->actions()[1]->text(), "&Look");
  TLoopRecorder loop(shown.Form);
  QMenu* view = bar->actions()[1]->menu();
  emit view->aboutToShow();
  emit view->aboutToHide();
  EXPECT_EQ(loop.Log, "enter exit ");

  shown.Form->SetMenu(nullptr);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(menu->MenuBar(), nullptr);
  EXPECT_EQ(WidgetOf(shown.Form)->findChildren<QMenuBar*>().size(), 0);
}

TEST(Menus, ShortCutsOfTheMainMenuRunWhileTheFormHasTheKeys) {
  TMenuForm shown;
  auto* panel = shown.Find<TPopupPanel>("Panel1");
  int news = 0, exits = 0, keys = 0;
  shown.Find<TMenuItem>("mFileNew")->OnClick = [&](TObject*) { ++news; };
  shown.Find<TMenuItem>("mFileExit")->OnClick = [&](TObject*) { ++exits; };
  panel->OnKeyDown = [&](TObject*, WORD&, TShiftState) { ++keys; };
  auto press = [&](int key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent down(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(WidgetOf(panel), &down);
    QKeyEvent up(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(WidgetOf(panel), &up);
  };
  press(Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(news, 1);
  EXPECT_EQ(keys, 0);  // the menu took the key
  press(Qt::Key_N, Qt::NoModifier);
  EXPECT_EQ(news, 1);
  EXPECT_EQ(keys, 1);
  shown.Find<TMenuItem>("mFileExit")->SetShortCut(TextToShortCut("Alt+X"));
  press(Qt::Key_X, Qt::AltModifier);
  EXPECT_EQ(exits, 0);  // disabled
  EXPECT_EQ(keys, 2);
  shown.Find<TMenuItem>("mFile")->SetEnabled(false);
  press(Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(news, 1);  // nor below a disabled submenu
}

}  // namespace
