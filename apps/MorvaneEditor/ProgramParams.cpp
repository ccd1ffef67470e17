#include "apps/MorvaneEditor/ProgramParams.h"

namespace {
std::vector<std::string>& Params() {
  static std::vector<std::string> params;
  return params;
}
}  // namespace

void SetProgramParams(std::vector<std::string> params) { Params() = std::move(params); }

void SetProgramParams(int argc, char** argv) { SetProgramParams(std::vector<std::string>(argv, argv + argc)); }

std::string ParamStr(int32_t index) {
  if (index < 0 || index >= static_cast<int32_t>(Params().size())) return {};
  return Params()[static_cast<size_t>(index)];
}
