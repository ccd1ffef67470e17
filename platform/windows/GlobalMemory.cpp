#include "platform/windows/GlobalMemory.h"

#include <new>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/windows/HandleTable.h"

namespace {

struct TBlock {
  std::vector<unsigned char> Bytes;
  int Locks = 0;
};

THandleTable<HGLOBAL, TBlock>& Blocks() {
  static THandleTable<HGLOBAL, TBlock> table;
  return table;
}

}  // namespace

HGLOBAL GlobalAlloc(UINT, size_t bytes) {
  auto block = std::make_unique<TBlock>();
  try {
    block->Bytes.assign(bytes, 0);
  } catch (const std::bad_alloc&) {
    throw EOutOfMemory("Out of memory: cannot allocate a block of " + std::to_string(bytes) + " bytes");
  }
  return Blocks().Add(std::move(block));
}

HGLOBAL GlobalFree(HGLOBAL block) { return Blocks().Remove(block) ? nullptr : block; }

void* GlobalLock(HGLOBAL block) {
  TBlock* b = Blocks().Find(block);
  if (!b) return nullptr;
  ++b->Locks;
  // A zero-sized block still answers a valid address.
  return b->Bytes.empty() ? static_cast<void*>(b) : b->Bytes.data();
}

bool GlobalUnlock(HGLOBAL block) {
  TBlock* b = Blocks().Find(block);
  if (!b || b->Locks == 0) return false;
  return --b->Locks > 0;
}

size_t GlobalSize(HGLOBAL block) {
  TBlock* b = Blocks().Find(block);
  return b ? b->Bytes.size() : 0;
}
