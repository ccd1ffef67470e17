// The designer's bulk operations on a designed form shown on screen: a paste
// of 500 components from clipboard text, and loading and saving a form file
// of 5,000 components (250 panels of 19 buttons each).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "BenchDesigner.h"
#include "designer/ObjEdit.h"
#include "platform/classes/ObjectText.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/extctrls/ExtCtrlsUnit.h"
#include "platform/controls/stdctrls/StdCtrlsUnit.h"
#include "platform/windows/Clipbrd.h"

namespace {

void StartApplication() { StartDesignerApplication("DesignerStreamsBench"); }

std::string ButtonText(int number, int left, int top, const std::string& indent) {
  return indent + "object Button" + std::to_string(number) + ": TButton\n" + indent +
         "  Left = " + std::to_string(left) + "\n" + indent + "  Top = " + std::to_string(top) +
         "\n" + indent + "  Width = 60\n" + indent + "  Height = 20\n" + indent +
         "  Caption = 'Button " + std::to_string(number) + "'\n" + indent +
         "  OnClick = ButtonClick\n" + indent + "end\n";
}

// 500 top-level buttons, as a copy of them puts them on the clipboard.
std::string ClipboardText() {
  std::string text;
  for (int i = 1; i <= 500; ++i) text += ButtonText(i, (i % 25) * 30, (i / 25) * 20, "");
  return text;
}

// A form file: 250 panels of 19 buttons, 5,000 components in all.
std::string FormFile() {
  std::string text = "object Form1: TForm\n  Left = 20\n  Top = 20\n  Width = 800\n"
                     "  Height = 600\n  Caption = 'Designed'\n";
  int number = 0;
  for (int p = 1; p <= 250; ++p) {
    text += "  object Panel" + std::to_string(p) + ": TPanel\n    Left = " +
            std::to_string((p % 10) * 70) + "\n    Top = " + std::to_string((p / 10) * 20) +
            "\n    Width = 68\n    Height = 400\n";
    for (int b = 0; b < 19; ++b) text += ButtonText(++number, 2, 2 + b * 20, "    ");
    text += "  end\n";
  }
  text += "end\n";
  TStringStream source(text);
  TMemoryStream resource;
  ObjectTextToResource(source, resource);
  auto path = std::filesystem::temp_directory_path() /
              ("designer-streams-bench-" + std::to_string(::getpid()) + ".dfm");
  resource.SaveToFile(path.string());
  return path.string();
}

// A shown form with a designer attached.
struct TDesignSurface {
  TDesignSurface() : Form(new TForm(nullptr)), Designer(new TObjectEditor()) {
    StartApplication();
    Form->SetName("Form1");
    Form->SetBounds(20, 20, 800, 600);
    Form->Show();
    QApplication::processEvents();
    Designer->SetEditControl(Form);
  }
  ~TDesignSurface() {
    Designer->SetEditControl(nullptr);
    Designer->Free();
    Form->Free();
    QApplication::processEvents();
  }
  TForm* Form;
  TObjectEditor* Designer;
};

void BM_PasteComponents(benchmark::State& state) {
  StartApplication();
  TDesignSurface surface;
  Clipboard()->SetAsText(ClipboardText());
  for (auto _ : state) {
    surface.Designer->PasteFromClipboard();
    state.PauseTiming();
    surface.Designer->DeleteSelection();
    QApplication::processEvents();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * 500);
}
BENCHMARK(BM_PasteComponents)->Unit(benchmark::kMillisecond);

void BM_LoadFromFile(benchmark::State& state) {
  StartApplication();
  TDesignSurface surface;
  const std::string path = FormFile();
  for (auto _ : state) {
    surface.Designer->LoadFromFile(path);
    QApplication::processEvents();
  }
  std::filesystem::remove(path);
  state.SetItemsProcessed(state.iterations() * 5000);
}
BENCHMARK(BM_LoadFromFile)->Unit(benchmark::kMillisecond);

void BM_SaveToFile(benchmark::State& state) {
  StartApplication();
  TDesignSurface surface;
  const std::string path = FormFile();
  surface.Designer->LoadFromFile(path);
  for (auto _ : state) surface.Designer->SaveToFile(path);
  std::filesystem::remove(path);
  state.SetItemsProcessed(state.iterations() * 5000);
}
BENCHMARK(BM_SaveToFile)->Unit(benchmark::kMillisecond);

}  // namespace
