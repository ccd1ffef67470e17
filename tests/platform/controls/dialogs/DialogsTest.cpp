#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "ControlsTestSupport.h"
#include "platform/classes/ComponentStreams.h"
#include "platform/controls/dialogs/Dialogs.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Streams.h"
#include "platform/graphics/Graphic.h"
#include "platform/graphics/Picture.h"

namespace {

TEST(FileFilters, PairsAndTheirQtForm) {
  auto pairs = ParseFileFilter("Text files (*.txt)|*.txt|Pictures|*.bmp;*.ico|Odd");
  ASSERT_EQ(pairs.size(), 3u);
  EXPECT_EQ(pairs[1].Caption, "Pictures");
  EXPECT_EQ(pairs[1].Mask, "*.bmp;*.ico");
  EXPECT_EQ(pairs[2].Mask, "");
  EXPECT_TRUE(ParseFileFilter("").empty());
  struct TCase {
    TFileFilter Filter;
    const char* Qt;
  } cases[] = {
      {{"Text files (*.txt)", "*.txt"}, "Text files (*.txt)"},
      {{"Pictures", "*.bmp;*.ico"}, "Pictures (*.bmp *.ico)"},
      {{"All files (*.*) ", "*.*"}, "All files (*.*)"},
  };
  for (const TCase& c : cases) EXPECT_EQ(QtNameFilter(c.Filter), c.Qt) << c.Filter.Caption;
  struct TExtCase {
    const char* File;
    const char* DefaultExt;
    const char* Result;
  } exts[] = {
      {"/tmp/readme", "txt", "/tmp/readme.txt"},
      {"/tmp/readme", ".pay", "/tmp/readme.pay"},
      {"/tmp/readme.md", "txt", "/tmp/readme.md"},
      {"/tmp/dir.d/readme", "txt", "/tmp/dir.d/readme.txt"},
      {"/tmp/readme", "", "/tmp/readme"},
  };
  for (const TExtCase& c : exts) EXPECT_EQ(AddDefaultExt(c.File, c.DefaultExt), c.Result) << c.File;
}

TEST(FileDialogs, TheResponderIsAskedWithTitleFilterAndOptionsAndChoosesFiles) {
  TOpenDialog dialog(nullptr);
  dialog.SetTitle("Pick a text");
  dialog.SetFilter("Text (*.txt)|*.txt|All|*.*");
  dialog.SetDefaultExt("txt");
  dialog.SetOptions(dialog.Options() + TOpenOptions{ofAllowMultiSelect, ofNoChangeDir});
  dialog.SetFileName("before.txt");
  int shows = 0, closes = 0;
  dialog.OnShow = [&](TObject*) { ++shows; };
  dialog.OnClose = [&](TObject*) { ++closes; };

  TModalResponder responder;
  responder.Answer(mrCancel);
  responder.Choose({"/tmp/a", "/tmp/b.log"});
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(dialog.FileName(), "before.txt");  // nothing taken on cancel
  EXPECT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.FileName(), "/tmp/a.txt");
  ASSERT_EQ(dialog.Files()->Count(), 2);
  EXPECT_EQ(dialog.Files()->Strings(1), "/tmp/b.log");
  EXPECT_FALSE(dialog.Options().Contains(ofExtensionDifferent));  // it follows the first file
  EXPECT_EQ(shows, 2);
  EXPECT_EQ(closes, 2);

  const TModalRequest& asked = responder.Requests()[1];
  EXPECT_EQ(asked.Kind, mrkDialog);
  EXPECT_EQ(asked.ClassName, "TOpenDialog");
  EXPECT_EQ(asked.Caption, "Pick a text");
  EXPECT_EQ(asked.Filter, "Text (*.txt)|*.txt|All|*.*");
  EXPECT_EQ(asked.Options, "[ofHideReadOnly,ofNoChangeDir,ofAllowMultiSelect,ofEnableSizing]");
}

TEST(FileDialogs, ExtensionDifferentAndTheCurrentFolder) {
  const std::filesystem::path start = std::filesystem::current_path();
  const std::filesystem::path folder = std::filesystem::temp_directory_path();
  struct TCase {
    const char* File;
    bool NoChangeDir;
    bool Different;
  } cases[] = {
      {"cat.rsd", true, false},
      {"cat.RSD", true, false},
      {"cat.txt", true, true},
      {"cat", false, false},
  };
  for (const TCase& c : cases) {
    TSaveDialog dialog(nullptr);
    dialog.SetDefaultExt("rsd");
    if (c.NoChangeDir) dialog.SetOptions(dialog.Options() + ofNoChangeDir);
    TModalResponder responder;
    responder.Choose({(folder / c.File).string()});
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Options().Contains(ofExtensionDifferent), c.Different) << c.File;
    EXPECT_EQ(std::filesystem::current_path() == folder, !c.NoChangeDir) << c.File;
    EXPECT_EQ(responder.Requests()[0].Caption, "Save As");
    std::filesystem::current_path(start);
  }
}

TEST(PictureDialogs, OfferTheGraphicFormatsAndDoNotWriteThatFilter) {
  TOpenPictureDialog dialog(nullptr);
  EXPECT_EQ(dialog.Filter(), GraphicFilter(TGraphic::StaticClass()));
  EXPECT_FALSE(dialog.IsFilterStored());
  dialog.SetFilter("Bitmaps|*.bmp");
  EXPECT_TRUE(dialog.IsFilterStored());
  TModalResponder responder;
  responder.Choose({"/tmp/p.bmp"});
  TSavePictureDialog save(nullptr);
  EXPECT_TRUE(save.Execute());
  EXPECT_EQ(responder.Requests()[0].ClassName, "TSavePictureDialog");
  EXPECT_EQ(responder.Requests()[0].Filter, GraphicFilter(TGraphic::StaticClass()));
}

TEST(Dialogs, ColourFontFindAndPrinterAnswers) {
  TModalResponder responder;
  TColorDialog colour(nullptr);
  responder.Choose({"clRed"});
  ASSERT_TRUE(colour.Execute());
  EXPECT_EQ(colour.Color(), clRed);
  responder.Choose({"$00123456"});
  ASSERT_TRUE(colour.Execute());
  EXPECT_EQ(colour.Color(), 0x123456);
  responder.Answer(mrCancel);
  EXPECT_FALSE(colour.Execute());
  EXPECT_EQ(colour.Color(), 0x123456);

  TFontDialog font(nullptr);
  font.SetOptions(font.Options() + fdLimitSize);
  font.SetMaxFontSize(20);
  responder.Choose({"Courier New", "36"});
  ASSERT_TRUE(font.Execute());
  EXPECT_EQ(font.Font()->Name(), "Courier New");
  EXPECT_EQ(font.Font()->Size(), 20);
  responder.Choose({"Arial", "big"});
  EXPECT_THROW(font.Execute(), EConvertError);
  EXPECT_EQ(responder.Requests().back().Options, "[fdEffects,fdLimitSize]");

  TReplaceDialog replace(nullptr);
  std::string seen;
  replace.OnReplace = [&](TObject*) { seen = replace.FindText() + "->" + replace.ReplaceText(); };
  responder.Choose({"old", "new"});
  ASSERT_TRUE(replace.Execute());
  EXPECT_EQ(seen, "old->new");
  EXPECT_TRUE(replace.Options().Contains(frReplace));
  TFindDialog find(nullptr);
  find.OnFind = [&](TObject*) { seen = find.FindText(); };
  responder.Choose({"needle"});
  ASSERT_TRUE(find.Execute());
  EXPECT_EQ(seen, "needle");

  const size_t asked = responder.Requests().size();
  TPrinterSetupDialog printer(nullptr);
  EXPECT_FALSE(printer.Execute());
  EXPECT_EQ(responder.Requests().size(), asked);  // nothing is shown or asked
  EXPECT_EQ(responder.Pending(), 0u);
}

const char* const DialogFormText = R"(object DialogForm: TForm
  Left = 0
  Top = 0
  Width = 200
  Height = 120
  Caption = 'Dialogs'
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  OldCreateOrder = False
  PixelsPerInch = 96
  TextHeight = 13
  object OpenDialog1: TOpenDialog
    DefaultExt = 'rsd'
    Filter = 'Response detail (*.rsd)|*.rsd'
    FilterIndex = 2
    Options = [ofOverwritePrompt, ofHideReadOnly, ofCreatePrompt, ofEnableSizing]
    Title = 'Enter or select a file'
    Left = 8
    Top = 8
  end
  object SaveDialog1: TSaveDialog
    InitialDir = '/tmp'
    Left = 40
    Top = 8
  end
  object OpenPictureDialog1: TOpenPictureDialog
    Left = 72
    Top = 8
  end
  object SavePictureDialog1: TSavePictureDialog
    Filter = 'Bitmaps (*.bmp)|*.bmp'
    Left = 104
    Top = 8
  end
  object ColorDialog1: TColorDialog
    Color = 3810591
    CustomColors.Strings = (
      'ColorA=FFFFFFFF'
      'ColorB=808080')
    Options = [cdFullOpen, cdAnyColor]
    Left = 136
    Top = 8
  end
  object FontDialog1: TFontDialog
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clWindowText
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    MinFontSize = 0
    MaxFontSize = 0
    Options = [fdEffects, fdFixedPitchOnly]
    Left = 8
    Top = 40
  end
  object PrinterSetupDialog1: TPrinterSetupDialog
    Left = 40
    Top = 40
  end
  object FindDialog1: TFindDialog
    FindText = 'needle'
    Left = 72
    Top = 40
  end
  object ReplaceDialog1: TReplaceDialog
    Options = [frDown, frMatchCase]
    ReplaceText = 'thread'
    Left = 104
    Top = 40
  end
end
)";

TEST(Dialogs, StreamThroughTheFilerAndBackUnchanged) {
  InitializeDialogs();
  auto* form = new TForm(nullptr);
  TextToComponent(DialogFormText, form);
  EXPECT_EQ(ComponentToText(form), DialogFormText);
  auto* colour = ObjectAs<TColorDialog>(form->FindComponent("ColorDialog1"));
  ASSERT_TRUE(colour);
  EXPECT_EQ(colour->CustomColors()->Values("ColorB"), "808080");

  TMemoryStream first;
  WriteComponent(first, form);
  auto* copy = new TForm(nullptr);
  first.SetPosition(0);
  ReadComponent(first, copy);
  TMemoryStream second;
  WriteComponent(second, copy);
  ASSERT_EQ(second.Size(), first.Size());
  EXPECT_EQ(0, std::memcmp(first.Memory(), second.Memory(), static_cast<size_t>(first.Size())));
  copy->Free();
  form->Free();
}

}  // namespace
