#pragma once
// Movable memory blocks as the clipboard exchanges them.

#include <cstddef>

#include "platform/windows/WinTypes.h"

constexpr UINT GMEM_FIXED = 0x0000;
constexpr UINT GMEM_MOVEABLE = 0x0002;
constexpr UINT GMEM_ZEROINIT = 0x0040;
constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;

// Raises EOutOfMemory when the block cannot be had.
HGLOBAL GlobalAlloc(UINT flags, size_t bytes);
// Answers 0 on success, the block when it is not one (as the platform does).
HGLOBAL GlobalFree(HGLOBAL block);
void* GlobalLock(HGLOBAL block);
bool GlobalUnlock(HGLOBAL block);
size_t GlobalSize(HGLOBAL block);
