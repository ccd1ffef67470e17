// Throughput of the text <-> binary conversions on a generated form of about
// 5 MB: nested panels holding controls with every kind of value.

#include <benchmark/benchmark.h>

#include <string>

#include "platform/classes/ObjectText.h"
#include "platform/core/Streams.h"

namespace {

void AddControl(std::string& s, const std::string& indent, int n) {
  std::string id = std::to_string(n);
  s += indent + "object Control" + id + ": TEdit\n";
  s += indent + "  Left = " + std::to_string(n % 600) + "\n";
  s += indent + "  Top = " + std::to_string(n * 7 % 40000) + "\n";
  s += indent + "  Width = 121\n";
  s += indent + "  Tag = " + std::to_string(n * 100003) + "\n";
  s += indent + "  Caption = 'Control number " + id + " '#39'quoted'#39#13#10'next line'\n";
  s += indent + "  Hint = 'C'#233'g '#1055#1088'ivet'\n";
  s += indent + "  Font.Name = 'MS Sans Serif'\n";
  s += indent + "  Font.Style = [fsBold, fsItalic]\n";
  s += indent + "  Anchors = [akLeft, akTop, akRight]\n";
  s += indent + "  Ratio = 1.500000000000000000\n";
  s += indent + "  Scale = 0.75s\n";
  s += indent + "  Price = 125000c\n";
  s += indent + "  When = 45000.5d\n";
  s += indent + "  Visible = False\n";
  s += indent + "  OnClick = Control" + id + "Click\n";
  s += indent + "  Items.Strings = (\n";
  s += indent + "    'First item'\n";
  s += indent + "    'Second item'\n";
  s += indent + "    \n" + indent + "      '0123456789012345678901234567890123456789012345678901234567890123' +\n";
  s += indent + "      'tail')\n";
  s += indent + "  Data = {\n";
  s += indent + "    0102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F20\n";
  s += indent + "    2122232425262728}\n";
  s += indent + "  Columns = <\n";
  s += indent + "    item\n" + indent + "      Width = 64\n" + indent + "    end\n";
  s += indent + "    item\n" + indent + "      Caption = 'Two'\n" + indent + "    end>\n";
  s += indent + "end\n";
}

std::string GenerateForm(size_t targetSize) {
  std::string s = "object MainForm: TMainForm\n  Caption = 'Benchmark'\n";
  int n = 0;
  for (int panel = 0; s.size() < targetSize; ++panel) {
    std::string p = std::to_string(panel);
    s += "  object Panel" + p + ": TPanel\n    Align = alTop\n";
    s += "    object Inner" + p + ": TGroupBox\n      Caption = 'Group'\n";
    for (int k = 0; k < 20; ++k) AddControl(s, "      ", n++);
    s += "    end\n  end\n";
  }
  return s + "end\n";
}

const std::string& Text() {
  static const std::string text = GenerateForm(5 * 1024 * 1024);
  return text;
}

const std::string& Binary() {
  static const std::string binary = [] {
    TStringStream input(Text()), output;
    ObjectTextToBinary(input, output);
    return output.DataString();
  }();
  return binary;
}

void BM_TextToBinary(benchmark::State& state) {
  const std::string& text = Text();
  for (auto _ : state) {
    TStringStream input(text);
    TMemoryStream output;
    ObjectTextToBinary(input, output);
    benchmark::DoNotOptimize(output.Memory());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_TextToBinary)->Unit(benchmark::kMillisecond);

void BM_BinaryToText(benchmark::State& state) {
  const std::string& binary = Binary();
  for (auto _ : state) {
    TStringStream input(binary);
    TMemoryStream output;
    ObjectBinaryToText(input, output);
    benchmark::DoNotOptimize(output.Memory());
  }
  // Counted in text bytes, as for the other direction, so that the figures compare.
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(Text().size()));
  state.counters["binary_bytes"] = static_cast<double>(binary.size());
}
BENCHMARK(BM_BinaryToText)->Unit(benchmark::kMillisecond);

}  // namespace
