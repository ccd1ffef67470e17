#pragma once
// Internal: the table behind each kind of handle. A handle's value comes from
// one process-wide counter, so no value is given out twice (across all kinds)
// while the process runs, and a stale handle simply finds nothing.

#include <cstdint>
#include <map>
#include <memory>

// The next handle value; starts high enough that the special window values
// (HWND_BOTTOM = 1, HWND_TOPMOST = -1 ...) are never handles.
uintptr_t NextHandleValue();

template <typename H, typename T>
class THandleTable {
 public:
  H Add(std::unique_ptr<T> item) {
    uintptr_t value = NextHandleValue();
    FItems.emplace(value, std::move(item));
    return reinterpret_cast<H>(value);
  }
  T* Find(H handle) const {
    auto it = FItems.find(reinterpret_cast<uintptr_t>(handle));
    return it == FItems.end() ? nullptr : it->second.get();
  }
  std::unique_ptr<T> Remove(H handle) {
    auto it = FItems.find(reinterpret_cast<uintptr_t>(handle));
    if (it == FItems.end()) return nullptr;
    std::unique_ptr<T> item = std::move(it->second);
    FItems.erase(it);
    return item;
  }
  // Items in creation order.
  template <typename F>
  void ForEach(F&& f) const {
    for (const auto& [value, item] : FItems) f(reinterpret_cast<H>(value), *item);
  }

 private:
  std::map<uintptr_t, std::unique_ptr<T>> FItems;
};
