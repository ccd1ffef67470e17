#include "platform/core/List.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/core/Exceptions.h"

namespace {

int items[6];
void* P(int i) { return &items[i]; }

// Records what the list reports, to show which operations notify.
class TRecordingList : public TList {
 public:
  std::vector<std::pair<void*, TListNotification>> log;
  ~TRecordingList() override { Clear(); }

 protected:
  void Notify(void* item, TListNotification action) override { log.emplace_back(item, action); }
};

std::vector<void*> Contents(const TList& l) {
  std::vector<void*> r;
  for (int32_t i = 0; i < l.Count(); ++i) r.push_back(l[i]);
  return r;
}

}  // namespace

TEST(List, EditingKeepsOrder) {
  TList l;
  for (int i = 0; i < 4; ++i) l.Add(P(i));
  l.Move(0, 3);
  EXPECT_EQ(Contents(l), (std::vector<void*>{P(1), P(2), P(3), P(0)}));
  l.Exchange(0, 1);
  l.Insert(1, nullptr);
  EXPECT_EQ(Contents(l), (std::vector<void*>{P(2), nullptr, P(1), P(3), P(0)}));
  l.Pack();
  EXPECT_EQ(l.Remove(P(3)), 2);
  EXPECT_EQ(l.Remove(P(3)), -1);
  EXPECT_EQ(Contents(l), (std::vector<void*>{P(2), P(1), P(0)}));
  EXPECT_EQ(l.First(), P(2));
  EXPECT_EQ(l.Last(), P(0));
  l.Sort([](void* a, void* b) { return static_cast<int>(static_cast<int*>(a) - static_cast<int*>(b)); });
  EXPECT_EQ(Contents(l), (std::vector<void*>{P(0), P(1), P(2)}));
  l.SetCount(5);
  EXPECT_EQ(l[4], nullptr);
  l.Clear();
  EXPECT_EQ(l.Count(), 0);
}

TEST(List, BadIndexRaisesListError) {
  TList l;
  l.Add(P(0));
  const std::pair<std::function<void()>, std::string> cases[] = {
      {[&] { l.Get(1); }, "List index out of bounds (1)"},
      {[&] { l.Delete(-1); }, "List index out of bounds (-1)"},
      {[&] { l.Insert(2, nullptr); }, "List index out of bounds (2)"},
      {[&] { l.Move(0, 1); }, "List index out of bounds (1)"},
      {[&] { l.Exchange(5, 0); }, "List index out of bounds (5)"},
      {[&] { l.First(); l.Delete(0); l.Last(); }, "List index out of bounds (-1)"},
      {[&] { l.SetCount(-3); }, "List count out of bounds (-3)"},
      {[&] { l.SetCapacity(2000000000); }, "List capacity out of bounds (2000000000)"},
  };
  for (const auto& [op, message] : cases) {
    try {
      op();
      ADD_FAILURE() << message;
    } catch (const EListError& e) {
      EXPECT_EQ(e.Message(), message);
    }
  }
}

TEST(List, NotifiesAddDeleteAndExtract) {
  TRecordingList l;
  l.Add(P(0));
  l.Add(P(1));
  l.Add(nullptr);
  l.Put(0, P(2));
  EXPECT_EQ(l.Extract(P(1)), P(1));
  EXPECT_EQ(l.Extract(P(1)), nullptr);
  l.Delete(0);
  using V = std::vector<std::pair<void*, TListNotification>>;
  EXPECT_EQ(l.log, (V{{P(0), lnAdded}, {P(1), lnAdded}, {P(0), lnDeleted}, {P(2), lnAdded}, {P(1), lnExtracted},
                      {P(2), lnDeleted}}));
}
