// Thread hooks: one chain per thread of the user-interface, newest first.
// A hook removed while hooks run stays in the chain, dead, until the outermost
// hook call returns, so that CallNextHookEx from it still finds its place.

#include "platform/windows/Hooks.h"

#include <algorithm>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/windows/HandleTable.h"
#include "platform/windows/MessageQueue.h"
#include "platform/windows/WindowsInternal.h"

namespace {

struct THookRecord {
  int Kind = 0;
  HOOKPROC Proc = nullptr;
  bool Alive = true;
};

THandleTable<HHOOK, THookRecord>& Hooks() {
  static THandleTable<HHOOK, THookRecord> table;
  return table;
}

std::vector<HHOOK>& Chain() {
  static std::vector<HHOOK> chain;
  return chain;
}

int CallDepth = 0;

void PurgeDeadHooks() {
  auto& chain = Chain();
  chain.erase(std::remove_if(chain.begin(), chain.end(),
                             [](HHOOK h) {
                               if (Hooks().Find(h)->Alive) return false;
                               Hooks().Remove(h);
                               return true;
                             }),
              chain.end());
}

struct TCallDepthGuard {
  TCallDepthGuard() { ++CallDepth; }
  ~TCallDepthGuard() {
    if (--CallDepth == 0) PurgeDeadHooks();
  }
};

// The first live hook of a kind at or after position start of the chain.
LRESULT CallFrom(size_t start, int kind, int code, WPARAM wParam, LPARAM lParam) {
  for (size_t i = start; i < Chain().size(); ++i) {
    THookRecord* r = Hooks().Find(Chain()[i]);
    if (r->Alive && r->Kind == kind) {
      TCallDepthGuard guard;
      return r->Proc(code, wParam, lParam);
    }
  }
  return 0;
}

}  // namespace

HHOOK SetWindowsHookEx(int idHook, HOOKPROC proc, HINSTANCE module, DWORD threadId) {
  if (idHook != WH_GETMESSAGE && idHook != WH_CALLWNDPROC)
    throw EOSError("SetWindowsHookEx: only WH_GETMESSAGE and WH_CALLWNDPROC hooks are available");
  if (!proc) throw EOSError("SetWindowsHookEx: the hook procedure is missing");
  if (module || (threadId != 0 && threadId != GetCurrentThreadId()))
    throw EOSError("SetWindowsHookEx: only hooks of the current thread are available");
  auto record = std::make_unique<THookRecord>();
  record->Kind = idHook;
  record->Proc = proc;
  HHOOK hook = Hooks().Add(std::move(record));
  Chain().insert(Chain().begin(), hook);
  return hook;
}

bool UnhookWindowsHookEx(HHOOK hook) {
  THookRecord* r = Hooks().Find(hook);
  if (!r || !r->Alive) return false;
  r->Alive = false;
  if (CallDepth == 0) PurgeDeadHooks();
  return true;
}

LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
  auto& chain = Chain();
  auto at = std::find(chain.begin(), chain.end(), hook);
  if (at == chain.end()) return 0;
  return CallFrom(static_cast<size_t>(at - chain.begin()) + 1, Hooks().Find(hook)->Kind, code,
                  wParam, lParam);
}

void RunGetMessageHooks(MSG& msg, WPARAM removeFlag) {
  CallFrom(0, WH_GETMESSAGE, HC_ACTION, removeFlag, reinterpret_cast<LPARAM>(&msg));
}

void RunCallWndProcHooks(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, bool sentByThread) {
  CWPSTRUCT cwp;
  cwp.hwnd = hwnd;
  cwp.message = msg;
  cwp.wParam = wParam;
  cwp.lParam = lParam;
  CallFrom(0, WH_CALLWNDPROC, HC_ACTION, sentByThread ? 1 : 0, reinterpret_cast<LPARAM>(&cwp));
}
