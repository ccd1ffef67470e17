// Reading a form of 5,000 components into a root.

#include <benchmark/benchmark.h>

#include "BenchComponents.h"
#include "platform/classes/ComponentStreams.h"

namespace {
std::string FormOf(int count) {
  RegisterClasses({TBenchRoot::StaticClass(), TBenchPart::StaticClass()});
  TBenchRoot root;
  root.SetName("Form1");
  for (int i = 0; i < count; ++i) {
    auto* part = new TBenchPart(&root);
    std::string number = std::to_string(i + 1);
    part->SetName(std::string("Part").append(number));
    part->Left = i % 800;
    part->Top = i / 800 * 24;
    part->Width = 75;
    part->Height = 25;
    part->Align = i % 7 == 0 ? baTop : baNone;
    part->Caption = std::string("Part ").append(number);
    if (i % 3 == 0) part->OnClick.Bind<&TBenchRoot::PartClick>(&root);
  }
  TStringStream stream;
  WriteComponent(stream, &root);
  return stream.DataString();
}

void BM_ReadComponents(benchmark::State& state) {
  const std::string form = FormOf(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    TStringStream input(form);
    TBenchRoot root;
    ReadComponent(input, &root);
    benchmark::DoNotOptimize(root.ComponentCount());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(form.size()));
}
BENCHMARK(BM_ReadComponents)->Arg(5000)->Unit(benchmark::kMillisecond);

void BM_WriteComponents(benchmark::State& state) {
  const std::string form = FormOf(static_cast<int>(state.range(0)));
  TStringStream input(form);
  TBenchRoot root;
  ReadComponent(input, &root);
  for (auto _ : state) {
    TStringStream output;
    WriteComponent(output, &root);
    benchmark::DoNotOptimize(output.Size());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_WriteComponents)->Arg(5000)->Unit(benchmark::kMillisecond);
}  // namespace
