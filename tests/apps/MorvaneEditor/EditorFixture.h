#pragma once
// The editor's main window made from its form resource as the program makes
// it, started with a chosen command line, in a scratch folder for form files.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <string>

#include "DesignerTestSupport.h"
#include "apps/MorvaneEditor/MorvaneMain.h"

class EditorTest : public ::testing::Test {
 protected:
  void TearDown() override;

  // Makes the main window as if the program were started with param (none
  // when empty).
  void Start(const std::string& param = {});
  // A path in the scratch folder.
  std::string PathOf(const std::string& name) const;

  // The designer of entry i, its form, and the file name of entry i.
  TObjectEditor* DesignerAt(int32_t i) const;
  TCustomForm* FormAt(int32_t i) const;
  std::string FileAt(int32_t i) const;
  int32_t FormCount() const { return Editor->FormFiles()->Count(); }

  // A menu item clicked as a user clicks it.
  void ClickItem(const std::string& name);
  // A tool bar button clicked with the mouse.
  void ClickButton(TControl* button);
  // A key stroke on the main window (menu shortcuts).
  void Shortcut(Qt::Key key, Qt::KeyboardModifiers modifiers);

  QTemporaryDir Folder;
  TAppBuilder* Editor = nullptr;
};

// A form file of a TTestForm named TestForm1 holding the components of text,
// written with the platform's own filer.
void WriteFormFile(const std::string& fileName, const std::string& formText);
// The component text of a form file.
std::string FormFileText(const std::string& fileName);
