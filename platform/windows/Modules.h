#pragma once
// Modules: the program and shared libraries, their resources and exports.
//
// LoadLibrary loads a shared library (dlopen, resolved at once and kept local
// to itself). Resources are found by type and by name without regard to case;
// a numeric name MAKEINTRESOURCE(n) finds the resource named "n" or "#n".
// GetProcAddress looks an arbitrary export name up in the module's table and
// falls back to the library's linker symbols.

#include <string>

#include "platform/windows/WinTypes.h"

inline const char* const RT_BITMAP = MAKEINTRESOURCE(2);
inline const char* const RT_RCDATA = MAKEINTRESOURCE(10);

// 0 when the library cannot be loaded; LastModuleError says why.
HMODULE LoadLibrary(const char* fileName);
bool FreeLibrary(HMODULE module);
// The text of the last failure of LoadLibrary (the loader's own words).
std::string LastModuleError();
void* GetProcAddress(HMODULE module, const char* procName);
// The program's module for 0; otherwise a loaded library by its file name.
HMODULE GetModuleHandle(const char* moduleName);
// The program's module.
HINSTANCE HInstance();
// The module's real path; answers the length written (0 for a bad module).
DWORD GetModuleFileName(HMODULE module, char* fileName, DWORD size);
std::string GetModuleFileNameString(HMODULE module);

HRSRC FindResource(HMODULE module, const char* name, const char* type);
HGLOBAL LoadResource(HMODULE module, HRSRC resource);
const void* LockResource(HGLOBAL resourceData);
DWORD SizeofResource(HMODULE module, HRSRC resource);
bool FreeResource(HGLOBAL resourceData);

// The program's string resources: registered by code at start-up, read with
// LoadStr (an empty string when there is none).
void RegisterStringResource(int32_t ident, const std::string& text);
std::string LoadStr(int32_t ident);
int LoadString(HINSTANCE instance, UINT ident, char* buffer, int bufferMax);
