// The standard package as a designer meets it: loaded by the name users
// write, registering its pages and classes in the palette's order, with a
// glyph for every class it puts on the palette.

#include <gtest/gtest.h>

#include "platform/controls/dialogs/Dialogs.h"
#include "platform/controls/extctrls/ExtCtrls.h"
#include "platform/controls/grids/DrawGrid.h"
#include "platform/controls/grids/StringGrid.h"
#include "platform/controls/menus/Menus.h"
#include "platform/controls/stdctrls/StdCtrls.h"
#include "platform/controls/tabs/PageControl.h"
#include "platform/controls/tabs/TabControl.h"
#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"
#include "platform/design/ComponentRegistration.h"
#include "platform/design/Packages.h"
#include "platform/graphics/Bitmap.h"
#include "platform/windows/Modules.h"

namespace {

struct TPageRegistration {
  std::string Page;
  TComponentClasses Classes;
  bool operator==(const TPageRegistration&) const = default;
};
using TPageRegistrations = std::vector<TPageRegistration>;

// The palette as users know it: the pages in order, the classes of a page
// in order. The classes are the host's own: a package with its own copy of a
// class would not compare equal.
TPageRegistrations ExpectedPalette() {
  return {
      {"Standard",
       {ClassOf<TMainMenu>(), ClassOf<TPopupMenu>(), ClassOf<TLabel>(), ClassOf<TEdit>(), ClassOf<TMemo>(),
        ClassOf<TButton>(), ClassOf<TCheckBox>(), ClassOf<TRadioButton>(), ClassOf<TListBox>(),
        ClassOf<TComboBox>(), ClassOf<TScrollBar>(), ClassOf<TGroupBox>(), ClassOf<TRadioGroup>(),
        ClassOf<TPanel>()}},
      {"Additional",
       {ClassOf<TBitBtn>(), ClassOf<TSpeedButton>(), ClassOf<TStringGrid>(), ClassOf<TDrawGrid>(),
        ClassOf<TImage>(), ClassOf<TShape>(), ClassOf<TBevel>(), ClassOf<TScrollBox>(), ClassOf<TSplitter>()}},
      {"Win32",
       {ClassOf<TTabControl>(), ClassOf<TPageControl>(), ClassOf<TRichEdit>(), ClassOf<TTrackBar>(),
        ClassOf<TProgressBar>(), ClassOf<TStatusBar>()}},
      {"System", {ClassOf<TTimer>(), ClassOf<TPaintBox>()}},
      {"Dialogs",
       {ClassOf<TOpenDialog>(), ClassOf<TSaveDialog>(), ClassOf<TOpenPictureDialog>(),
        ClassOf<TSavePictureDialog>(), ClassOf<TFontDialog>(), ClassOf<TColorDialog>(),
        ClassOf<TPrinterSetupDialog>(), ClassOf<TFindDialog>(), ClassOf<TReplaceDialog>()}},
  };
}

// The package file name as settings write it: upper case, in its folder.
std::string UpperCasePackageName() {
  return ExtractFilePath(MORVANE_PKGSTD30) + "PKGSTD30.DPL";
}

// Loads the package and runs its units' registrations into a recording
// registry, as the designer does after loading.
class StandardPackage : public ::testing::Test {
 protected:
  void SetUp() override {
    Module = LoadPackage(UpperCasePackageName());
    RegisterComponentsProc = [this](const std::string& page, const TComponentClasses& classes) {
      Palette.push_back({page, classes});
    };
    RegisterNoIconProc = [this](const TComponentClasses& classes) {
      NoIcon.insert(NoIcon.end(), classes.begin(), classes.end());
    };
    TPackageInfo info;
    ASSERT_TRUE(GetPackageInfo(Module, info));
    for (const TPackageUnit& unit : info.Contains)
      if (void* proc = GetProcAddress(Module, UnitRegisterExportName(unit.Name).c_str()))
        reinterpret_cast<void (*)()>(proc)();
  }
  void TearDown() override {
    RegisterComponentsProc = nullptr;
    RegisterNoIconProc = nullptr;
    if (Module) UnloadPackage(Module);
  }

  HMODULE Module = nullptr;
  TPageRegistrations Palette;
  TComponentClasses NoIcon;
};

std::string Names(const TComponentClasses& classes) {
  std::string names;
  for (TComponentClass c : classes) names += std::string(c->ClassName()) + " ";
  return names;
}

TEST_F(StandardPackage, RegistersEveryPageInOrderWithItsClassesInOrder) {
  const TPageRegistrations expected = ExpectedPalette();
  ASSERT_EQ(Palette.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(Palette[i].Page, expected[i].Page);
    EXPECT_EQ(Names(Palette[i].Classes), Names(expected[i].Classes)) << expected[i].Page;
    EXPECT_EQ(Palette[i].Classes, expected[i].Classes) << expected[i].Page << ": not the host's classes";
  }
}

TEST_F(StandardPackage, ClassesPlacedByTheirParentsStreamButStayOffThePalette) {
  EXPECT_EQ(NoIcon, (TComponentClasses{ClassOf<TTabSheet>(), ClassOf<TMenuItem>()}));
}

// Every glyph is a 24 x 24 bitmap resource of the package named after its
// class, and all share one see-through colour, so that they look alike on
// the palette.
TEST_F(StandardPackage, EveryPaletteClassHasItsGlyphInThePackage) {
  TColor transparent = clNone;
  for (const TPageRegistration& page : Palette) {
    for (TComponentClass c : page.Classes) {
      const std::string name = c->ClassName();
      SCOPED_TRACE(name);
      ASSERT_NE(FindResource(Module, name.c_str(), RT_BITMAP), nullptr);
      TBitmap glyph;
      glyph.LoadFromResourceName(Module, name);
      EXPECT_EQ(glyph.Width(), 24);
      EXPECT_EQ(glyph.Height(), 24);
      if (transparent == clNone) transparent = glyph.TransparentColor();
      EXPECT_EQ(glyph.TransparentColor(), transparent);
    }
  }
}

TEST_F(StandardPackage, UnloadingGivesTheModuleBack) {
  UnloadPackage(Module);
  EXPECT_THROW(UnloadPackage(Module), EPackageError);
  Module = LoadPackage(UpperCasePackageName());
  EXPECT_NE(GetProcAddress(Module, "StdReg.Register@51F89FF7"), nullptr);
}

}  // namespace
