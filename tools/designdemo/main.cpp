// A small program that designs one of its own forms: a form with a panel,
// buttons, an edit, a label and a check box, with a form designer attached,
// and a second window whose check box switches between live and outline
// dragging.
//   designdemo [--live] [--select NAME[,NAME...]] [--screenshot FILE.png]
// --select selects the named controls (one shows the grab handles, several
// the corner marks); --screenshot writes a picture of the designed form and
// ends.

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <cstring>
#include <iostream>
#include <sstream>

#include "designer/ObjEdit.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/extctrls/ExtCtrlsUnit.h"
#include "platform/controls/extctrls/Panel.h"
#include "platform/controls/stdctrls/Button.h"
#include "platform/controls/stdctrls/CheckBox.h"
#include "platform/controls/stdctrls/Edit.h"
#include "platform/controls/stdctrls/Label.h"
#include "platform/controls/stdctrls/StdCtrlsUnit.h"
#include "platform/windows/QtWindows.h"

namespace {

template <class T>
T* Place(TForm* form, TWinControl* parent, const char* name, int32_t left, int32_t top,
         int32_t width, int32_t height) {
  auto* control = new T(form);
  control->SetName(name);
  control->SetBounds(left, top, width, height);
  control->SetParent(parent);
  return control;
}

TForm* MakeDesignedForm() {
  auto* form = new TForm(nullptr);
  form->SetName("DemoForm");
  form->SetCaption("Designed form");
  form->SetBounds(80, 80, 420, 300);
  form->SetClientWidth(420);
  form->SetClientHeight(300);
  auto* panel = Place<TPanel>(form, form, "Panel1", 16, 16, 180, 120);
  Place<TButton>(form, panel, "btnInner", 16, 12, 75, 25)->SetCaption("Inner");
  Place<TCheckBox>(form, panel, "cbInner", 16, 88, 150, 17)->SetCaption("Inside the panel");
  Place<TLabel>(form, form, "Label1", 224, 20, 80, 13)->SetCaption("Your name:");
  Place<TEdit>(form, form, "Edit1", 224, 40, 160, 21);
  Place<TButton>(form, form, "btnOK", 224, 232, 75, 25)->SetCaption("OK");
  Place<TButton>(form, form, "btnCancel", 312, 232, 75, 25)->SetCaption("Cancel");
  Place<TCheckBox>(form, form, "cbRemember", 224, 80, 160, 17)->SetCaption("Remember me");
  return form;
}

// The small window with the switch between live and outline dragging.
TForm* MakeOptionsWindow(bool live) {
  auto* options = new TForm(nullptr);
  options->SetName("Options");
  options->SetCaption("Design options");
  options->SetBounds(540, 80, 220, 60);
  options->SetClientWidth(220);
  options->SetClientHeight(60);
  auto* check = Place<TCheckBox>(options, options, "cbLive", 16, 20, 190, 17);
  check->SetCaption("Visually Size and Move");
  check->SetChecked(live);
  check->OnClick = [check](TObject*) {
    if (TObjectEditor* designer = ActiveDesigner()) designer->LiveDrag = check->Checked();
  };
  options->OnClose = [](TObject*, TCloseAction&) { Application->Terminate(); };
  return options;
}

void SelectByNames(TObjectEditor* designer, TForm* form, const std::string& names) {
  std::istringstream list(names);
  std::string name;
  while (std::getline(list, name, ','))
    if (auto* control = dynamic_cast<TControl*>(form->FindComponent(name)))
      designer->AddToSelection(control, false);
    else
      std::cerr << "No control named " << name << "\n";
  designer->NotifySelection();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  InitializeControls();
  InitializeStdCtrls();
  InitializeExtCtrls();
  InitializeObjIntf();
  InitializeObjEdit();
  const char* screenshot = nullptr;
  std::string selection;
  bool live = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--live") == 0) live = true;
    if (i + 1 < argc && std::strcmp(argv[i], "--screenshot") == 0) screenshot = argv[i + 1];
    if (i + 1 < argc && std::strcmp(argv[i], "--select") == 0) selection = argv[i + 1];
  }
  int result = 0;
  try {
    TForm* form = MakeDesignedForm();
    TForm* options = MakeOptionsWindow(live);
    form->Show();
    TObjectEditor* designer = CreateDesigner(form, nullptr);
    designer->LiveDrag = live;
    SelectByNames(designer, form, selection);
    if (screenshot) {
      Application->ProcessMessages();
      QImage image = WindowWidget(form->Handle())->grab().toImage();
      if (!image.save(screenshot)) {
        std::cerr << "Cannot write " << screenshot << "\n";
        result = 1;
      }
    } else {
      options->Show();
      Application->Run();
    }
    options->Free();
    form->Free();
  } catch (const Exception& e) {
    std::cerr << e.ClassName() << ": " << e.Message() << "\n";
    result = 1;
  }
  FinalizeObjEdit();
  FinalizeObjIntf();
  FinalizeControls();
  return result;
}
