#pragma once
// The program's command line as the main window reads it: ParamStr(0) is the
// program, ParamStr(1) the first parameter; a missing one is empty. main()
// stores argv once; tests store the command line they want to start with.

#include <cstdint>
#include <string>
#include <vector>

void SetProgramParams(std::vector<std::string> params);
void SetProgramParams(int argc, char** argv);
std::string ParamStr(int32_t index);
