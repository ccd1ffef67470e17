// GetPropList on a class with sixty published properties.

#include <benchmark/benchmark.h>

#include "BenchComponents.h"
#include "platform/rtti/TypInfo.h"

namespace {
void BM_GetPropList(benchmark::State& state) {
  const bool sorted = state.range(0) != 0;
  TClass cls = TSixty::StaticClass();
  if (GetPropList(cls).size() != 60) state.SkipWithError("the class must have sixty properties");
  for (auto _ : state) benchmark::DoNotOptimize(GetPropList(cls, tkProperties(), sorted));
}
BENCHMARK(BM_GetPropList)->Arg(0)->Arg(1);

void BM_GetPropInfoByName(benchmark::State& state) {
  TSixty instance(nullptr);
  for (auto _ : state) benchmark::DoNotOptimize(GetPropInfo(&instance, "p57"));
}
BENCHMARK(BM_GetPropInfoByName);
}  // namespace
