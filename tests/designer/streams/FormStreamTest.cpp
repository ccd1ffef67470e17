#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "../clipboard/AttachedDesigner.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Writer.h"
#include "platform/controls/extctrls/Image.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/controls/extctrls/Panel.h"
#include "platform/controls/stdctrls/Button.h"
#include "platform/controls/stdctrls/CustomMemo.h"
#include "platform/controls/stdctrls/Label.h"

namespace {

// A component that cannot be written, as a form whose writing fails midway.
class TWriteFailure : public TComponent {
  MORVANE_CLASS(TWriteFailure, TComponent)

 public:
  using TComponent::TComponent;
  void DefineProperties(TFiler* Filer) override {
    if (dynamic_cast<TWriter*>(Filer)) throw EWriteError("The disk is full");
    TComponent::DefineProperties(Filer);
  }
};

std::string ReadFile(const std::filesystem::path& Path) {
  std::ifstream In(Path, std::ios::binary);
  std::ostringstream Out;
  Out << In.rdbuf();
  return Out.str();
}

// The text form of a form stream.
std::string TextOf(TMemoryStream& FormStream) {
  FormStream.SetPosition(0);
  TStringStream Text;
  ObjectResourceToText(FormStream, Text);
  return Text.DataString();
}

TMemoryStream ResourceOf(const std::string& Text) {
  TStringStream Source(Text);
  TMemoryStream FormStream;
  ObjectTextToResource(Source, FormStream);
  FormStream.SetPosition(0);
  return FormStream;
}

class FormStream : public AttachedDesigner {
 protected:
  void SetUp() override {
    AttachedDesigner::SetUp();
    Folder = std::filesystem::temp_directory_path() /
             ("morvane-streams-" + std::to_string(::getpid()));
    std::filesystem::create_directories(Folder);
  }
  void TearDown() override {
    std::filesystem::remove_all(Folder);
    AttachedDesigner::TearDown();
  }
  // Nested panels, a string list, a font and a picture.
  void FillForm() {
    auto* Outer = AddControl<TPanel>(Form(), Form(), "Outer", 10, 10, 200, 150);
    auto* Nested = AddControl<TPanel>(Form(), Outer, "Nested", 5, 5, 120, 100);
    AddControl<TButton>(Form(), Nested, "Deep", 4, 4, 60, 25)->SetCaption("&Deep");
    auto* Memo = AddControl<TMemo>(Form(), Form(), "Notes", 220, 10, 150, 80);
    Memo->Lines()->Add("first line");
    Memo->Lines()->Add("it's the second");
    auto* Title = AddControl<TLabel>(Form(), Form(), "Title", 10, 170, 100, 20);
    Title->Font()->SetName("Courier New");
    Title->Font()->SetSize(14);
    Title->Font()->SetStyle(TFontStyles{fsBold});
    auto* Picture = AddControl<TImage>(Form(), Form(), "Picture", 10, 200, 16, 16);
    TBitmap* Bitmap = Picture->Picture()->Bitmap();
    Bitmap->SetSize(8, 8);
    for (int32_t I = 0; I < 8; ++I) Bitmap->Canvas()->SetPixels(I, I, clRed);
    ProcessEvents();
  }
  std::filesystem::path Folder;
};

TEST_F(FormStream, WritesNothingWhileAPanelIsDesigned) {
  auto* Panel = AddControl<TPanel>(Form(), Form(), "Panel1", 10, 10, 100, 100);
  Designer->SetEditControl(Panel);
  TMemoryStream Stream;
  Designer->SaveToStream(&Stream);
  EXPECT_EQ(Stream.Size(), 0);
  Designer->SaveToFile((Folder / "Panel.dfm").string());
  EXPECT_EQ(ReadFile(Folder / "Panel.dfm"), "");
}

TEST_F(FormStream, LoadingWhatWasSavedGivesTheSameFormBack) {
  FillForm();
  TMemoryStream Saved;
  Designer->SaveToStream(&Saved);
  const std::string Before = TextOf(Saved);
  for (const char* Name : {"Deep", "Notes", "Title", "Picture", "Font.Name",
                           "the second", "Picture.Data"})
    EXPECT_NE(Before.find(Name), std::string::npos) << Name;

  Designer->AddToSelection(static_cast<TControl*>(Form()->FindComponent("Notes")), true);
  Designer->ClearModified();
  Saved.SetPosition(0);
  Designer->LoadFromStream(&Saved);
  ProcessEvents();

  TMemoryStream Again;
  Designer->SaveToStream(&Again);
  EXPECT_EQ(TextOf(Again), Before);
  EXPECT_EQ(Form()->ComponentCount(), 6);
  EXPECT_EQ(SelectedNames(), "");
  EXPECT_FALSE(Designer->IsModified);
  EXPECT_EQ(Designer->LoadedList, nullptr);
  EXPECT_EQ(Inspector->UpdateDepth, 0);
}

TEST_F(FormStream, FormFilesAreWhatTheConverterReadsAndWrites) {
  FillForm();
  const auto File = Folder / "Form1.dfm";
  Designer->SaveToFile(File.string());
  const std::string Command = std::string(DFMCONV_PATH) + " bin2text " + File.string() + " " +
                              (Folder / "Form1.txt").string();
  ASSERT_EQ(std::system(Command.c_str()), 0);
  TMemoryStream Saved;
  Designer->SaveToStream(&Saved);
  EXPECT_EQ(ReadFile(Folder / "Form1.txt"), TextOf(Saved));

  // And a real form file, made from its text, loads into the designed form.
  const std::string Corpus = ReadFile(std::filesystem::path(MORVANE_CORPUS_DIR) / "015_StrForm.dfm");
  TMemoryStream Resource = ResourceOf(Corpus);
  Designer->LoadFromStream(&Resource);
  EXPECT_GT(Form()->ComponentCount(), 0);
  EXPECT_EQ(Form()->FindComponent("Deep"), nullptr);
}

TEST_F(FormStream, AnUnregisteredClassStopsLoadingWithTheBracketClosed) {
  TMemoryStream Resource = ResourceOf(
      "object Form1: TForm\n  object Early: TButton\n  end\n"
      "  object Odd: TNoSuchControl\n  end\nend\n");
  EXPECT_THROW(Designer->LoadFromStream(&Resource), EClassNotFound);
  EXPECT_EQ(Designer->LoadedList, nullptr);
  EXPECT_EQ(Inspector->UpdateDepth, 0);
  EXPECT_EQ(Form()->FindComponent("Odd"), nullptr);
}

TEST_F(FormStream, AFailedSaveKeepsTheOldFile) {
  const auto File = Folder / "Kept.dfm";
  std::ofstream(File, std::ios::binary) << "the old form";
  (new TWriteFailure(Form()))->SetName("Failure");
  EXPECT_THROW(Designer->SaveToFile(File.string()), EWriteError);
  EXPECT_EQ(ReadFile(File), "the old form");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Folder),
                          std::filesystem::directory_iterator()),
            1);
}

}  // namespace
