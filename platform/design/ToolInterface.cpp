#include "platform/design/ToolInterface.h"

int32_t TInterface::AddRef() { return ++FRefCount; }

int32_t TInterface::Release() {
  const int32_t left = --FRefCount;
  if (left == 0) TObject::Free();
  return left;
}

int32_t TInterface::GetVersion() { return ServiceInterfaceVersion; }
