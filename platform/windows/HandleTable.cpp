#include "platform/windows/HandleTable.h"

#include <sys/syscall.h>
#include <unistd.h>

#include "platform/windows/WinTypes.h"

uintptr_t NextHandleValue() {
  static uintptr_t next = 0x10000;
  return next += 4;
}

DWORD GetCurrentThreadId() { return static_cast<DWORD>(syscall(SYS_gettid)); }
