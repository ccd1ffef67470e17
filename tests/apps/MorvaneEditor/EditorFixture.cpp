#include "EditorFixture.h"

#include <QApplication>

#include "apps/MorvaneEditor/ProgramParams.h"
#include "apps/MorvaneEditor/TestForm.h"
#include "platform/classes/ComponentStreams.h"
#include "platform/classes/ObjectText.h"
#include "platform/controls/Application.h"
#include "platform/controls/menus/MenuItem.h"

namespace {
bool Registered = false;
}  // namespace

void EditorTest::Start(const std::string& param) {
  if (!Registered) {
    RegisterMorvaneMain();
    Registered = true;
  }
  SetProgramParams(param.empty() ? std::vector<std::string>{"MorvaneEditor"}
                                 : std::vector<std::string>{"MorvaneEditor", param});
  Application->CreateForm(Editor);
  Editor->Show();
  ProcessEvents();
}

void EditorTest::TearDown() {
  if (!Editor) return;
  // Forms are the application's: free those still open, then the window.
  while (FormCount() > 0) {
    TCustomForm* form = FormAt(FormCount() - 1);
    int32_t before = FormCount();
    form->Free();
    ProcessEvents();
    if (FormCount() == before) break;
  }
  Editor->Free();
  ProcessEvents();
}

std::string EditorTest::PathOf(const std::string& name) const {
  return Folder.filePath(QString::fromStdString(name)).toStdString();
}

TObjectEditor* EditorTest::DesignerAt(int32_t i) const {
  return static_cast<TObjectEditor*>(Editor->FormFiles()->Objects(i));
}

// The designer of a form in run mode is detached and has no form.
TCustomForm* EditorTest::FormAt(int32_t i) const {
  TCustomForm* form = DesignerAt(i)->Form;
  return form ? form : Editor->RunForm();
}

std::string EditorTest::FileAt(int32_t i) const { return Editor->FormFiles()->Strings(i); }

void EditorTest::ClickItem(const std::string& name) {
  auto* item = dynamic_cast<TMenuItem*>(Editor->FindComponent(name));
  ASSERT_NE(item, nullptr) << name;
  item->Click();
  ProcessEvents();
}

void EditorTest::ClickButton(TControl* button) {
  const QPoint middle(button->Width() / 2, button->Height() / 2);
  MousePress(button, middle);
  MouseRelease(button, middle);
  ProcessEvents();
}

void EditorTest::Shortcut(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  KeyStroke(Editor, key, modifiers);
  ProcessEvents();
}

void WriteFormFile(const std::string& fileName, const std::string& formText) {
  TTestForm* form = new TTestForm(nullptr);
  TextToComponent(formText, form);
  TFileStream file(fileName, fmCreate);
  WriteComponentRes(file, "TTestForm", form);
  form->Free();
}

std::string FormFileText(const std::string& fileName) {
  TFileStream file(fileName, fmOpenRead);
  TMemoryStream text;
  ObjectResourceToText(file, text);
  return std::string(static_cast<const char*>(text.Memory()), static_cast<size_t>(text.Size()));
}
