#pragma once
// Message handler tables: each control class maps messages to member
// handlers once, and Dispatch looks a message up in the table of the object's
// class, which holds its ancestors' entries too (a class's own entry wins).
//
//   class TPanelLike : public TCustomControl {
//     MORVANE_CLASS(TPanelLike, TCustomControl)
//     MORVANE_MESSAGE_TABLE(TPanelLike)
//     void WMSize(TMessage& message);
//   };
//   void TPanelLike::Messages(TMessageMap<TPanelLike>& m) { m.On<&TPanelLike::WMSize>(WM_SIZE); }
//
// A handler that wants the ancestors' handling calls DispatchFrom with its
// parent class's table (inherited::ClassMessageTable()).

#include <unordered_map>

#include "platform/rtti/Object.h"
#include "platform/windows/Messages.h"

using TMessageHandler = void (*)(TObject* self, TMessage& message);

class TMessageTable {
 public:
  void Add(UINT msg, TMessageHandler handler) { FHandlers[msg] = handler; }
  // nullptr when the class has no handler for msg.
  TMessageHandler Find(UINT msg) const {
    auto it = FHandlers.find(msg);
    return it == FHandlers.end() ? nullptr : it->second;
  }

 private:
  std::unordered_map<UINT, TMessageHandler> FHandlers;
};

template <class T>
class TMessageMap {
 public:
  explicit TMessageMap(TMessageTable& table) : FTable(table) {}
  template <auto Member>
  void On(UINT msg) {
    FTable.Add(msg, &Call<Member>);
  }

 private:
  template <auto Member>
  static void Call(TObject* self, TMessage& message) {
    (static_cast<T*>(self)->*Member)(message);
  }
  TMessageTable& FTable;
};

#define MORVANE_MESSAGE_TABLE(Name)                                  \
 public:                                                             \
  static const TMessageTable& ClassMessageTable() {                  \
    static const TMessageTable table = [] {                          \
      TMessageTable built = inherited::ClassMessageTable(); /* the parent's first */ \
      TMessageMap<Name> map(built);                                  \
      Name::Messages(map);                                           \
      return built;                                                  \
    }();                                                             \
    return table;                                                    \
  }                                                                  \
                                                                     \
 protected:                                                          \
  const TMessageTable& MessageTable() const override { return ClassMessageTable(); } \
                                                                     \
 private:                                                            \
  static void Messages(TMessageMap<Name>& map);
