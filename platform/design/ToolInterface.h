#pragma once
// TInterface: the reference-counted base of the development environment's
// service objects. An object starts with one reference, held by whoever
// created it; Release drops one and frees the object when none is left.
// Free releases one reference instead of freeing outright: call it on the
// TInterface (or a descendant), not through a plain TObject pointer.

#include <cstdint>

#include "platform/rtti/Object.h"

class TInterface : public TObject {
  MORVANE_CLASS(TInterface, TObject)

 public:
  TInterface() = default;

  // The operations every service object has, before its own.
  virtual int32_t AddRef();
  // Answers the references left; at 0 the object is gone.
  virtual int32_t Release();
  // The version of the service interfaces this object speaks.
  virtual int32_t GetVersion();

  void Free() { Release(); }
  int32_t RefCount() const { return FRefCount; }

 private:
  int32_t FRefCount = 1;
};

constexpr int32_t ServiceInterfaceVersion = 3;
