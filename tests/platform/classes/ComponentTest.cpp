#include "platform/classes/Component.h"

#include <gtest/gtest.h>

#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Collection.h"
#include "platform/core/Exceptions.h"

namespace {
std::vector<std::string>* gLog = nullptr;

std::string Describe(TComponent* c) { return c->Name().empty() ? "?" : c->Name(); }

// Logs every notification it hears and forgets a partner that goes.
class TWatcher : public TComponent {
  MORVANE_CLASS(TWatcher, TComponent)

 public:
  explicit TWatcher(TComponent* owner, const std::string& name = {}) : TComponent(owner) {
    SetName(name);
  }
  TComponent* Partner = nullptr;

  void Notification(TComponent* component, TOperation operation) override {
    if (gLog)
      gLog->push_back(Describe(this) + (operation == opInsert ? " +" : " -") + Describe(component));
    if (operation == opRemove && component == Partner) Partner = nullptr;
    TComponent::Notification(component, operation);
  }
};

class TRecordingDesigner : public IDesignerNotify {
 public:
  std::vector<std::string> Events;
  void Modified() override {}
  void Notification(TPersistent* component, TOperation operation) override {
    Events.push_back((operation == opInsert ? "+" : "-") + component->ClassName());
  }
  void ValidateRename(TComponent*, const std::string& curName, const std::string& newName) override {
    Events.push_back(curName + ">" + newName);
  }
};

class LogScope {
 public:
  explicit LogScope(std::vector<std::string>& log) { gLog = &log; }
  ~LogScope() { gLog = nullptr; }
};
}  // namespace

TEST(Component, NamesAreIdentifiersUniqueWithinTheOwner) {
  TComponent owner(nullptr);
  TComponent first(&owner);
  first.SetName("Button1");
  struct Case {
    const char* name;
    const char* error;  // nullptr: accepted
  };
  for (const Case& c : std::vector<Case>{{"Label_2", nullptr},
                                         {"_x", nullptr},
                                         {"", nullptr},
                                         {"1abc", "'1abc' is not a valid component name"},
                                         {"a b", "'a b' is not a valid component name"},
                                         {"a.b", "'a.b' is not a valid component name"},
                                         {"BUTTON1", "A component named BUTTON1 already exists"}}) {
    TComponent second(&owner);
    if (!c.error) {
      EXPECT_NO_THROW(second.SetName(c.name)) << c.name;
      EXPECT_EQ(second.Name(), c.name);
      continue;
    }
    try {
      second.SetName(c.name);
      ADD_FAILURE() << c.name << " accepted";
    } catch (const EComponentError& e) {
      EXPECT_EQ(e.Message(), c.error);
      EXPECT_EQ(second.Name(), "");
    }
  }
  // A component may change the case of its own name; unowned names are free.
  first.SetName("BUTTON1");
  EXPECT_EQ(owner.FindComponent("button1"), &first);
  TComponent loose(nullptr);
  loose.SetName("Button1");
  EXPECT_EQ(owner.FindComponent(""), nullptr);
}

TEST(Component, InsertAndRemoveNotifyTheOwnerAndEverythingItOwns) {
  std::vector<std::string> log;
  TWatcher owner(nullptr, "Owner");
  TWatcher a(&owner, "A");
  LogScope scope(log);
  auto* b = new TWatcher(nullptr, "B");
  owner.InsertComponent(b);
  EXPECT_EQ(log, (std::vector<std::string>{"Owner +B", "B +B", "A +B"}));
  EXPECT_EQ(b->Owner(), &owner);
  EXPECT_EQ(b->ComponentIndex(), 1);
  log.clear();
  owner.RemoveComponent(b);
  EXPECT_EQ(log, (std::vector<std::string>{"Owner -B", "B -B", "A -B"}));
  EXPECT_EQ(b->Owner(), nullptr);
  EXPECT_EQ(owner.ComponentCount(), 1);
  delete b;
}

TEST(Component, DestroyingFreesOwnedComponentsLastFirst) {
  std::vector<std::string> log;
  auto* owner = new TWatcher(nullptr, "Owner");
  auto* a = new TWatcher(owner, "A");
  new TWatcher(owner, "B");
  new TWatcher(a, "A1");
  TWatcher outsider(nullptr, "Outsider");
  outsider.Partner = a;
  outsider.FreeNotification(a);
  EXPECT_TRUE(outsider.ComponentState().Contains(csFreeNotification));
  {
    LogScope scope(log);
    owner->Free();
  }
  // B goes silently; A asked for notifications, so its owner's tree hears of
  // it; then the partner outside the tree is told.
  EXPECT_EQ(log, (std::vector<std::string>{"Owner -A", "A -A", "A1 -A", "Outsider -A"}));
  EXPECT_EQ(outsider.Partner, nullptr);
}

TEST(Component, FreeNotificationLinksAreMutualAndRemovable) {
  std::vector<std::string> log;
  auto* x = new TWatcher(nullptr, "X");
  TWatcher y(nullptr, "Y");
  y.FreeNotification(x);
  y.RemoveFreeNotification(x);
  {
    LogScope scope(log);
    delete x;
  }
  EXPECT_TRUE(log.empty());
  // The other direction: the partner that stays is forgotten by the one that goes.
  auto* z = new TWatcher(nullptr, "Z");
  z->FreeNotification(&y);
  z->Partner = &y;
  delete z;  // must not leave y holding a link to z (ASan checks the rest)
  TWatcher w(nullptr, "W");
  y.FreeNotification(&w);
}

TEST(Component, ComponentIndexMovesWithinTheOwner) {
  TComponent owner(nullptr);
  TComponent a(&owner), b(&owner), c(&owner);
  c.SetComponentIndex(0);
  EXPECT_EQ(owner.Components(0), &c);
  EXPECT_EQ(owner.Components(2), &b);
  a.SetComponentIndex(99);
  EXPECT_EQ(owner.Components(2), &a);
  EXPECT_THROW(owner.Components(3), EListError);
  owner.RemoveComponent(&a);
  owner.RemoveComponent(&b);
  owner.RemoveComponent(&c);
}

TEST(Component, DesigningReachesOwnedComponentsAndTheRootsDesigner) {
  TRecordingDesigner designer;
  TComponent root(nullptr);
  root.SetDesigner(&designer);
  auto* panel = new TComponent(&root);
  root.SetDesigning(true);
  EXPECT_TRUE(panel->ComponentState().Contains(csDesigning));
  // Inserted into a designed owner: designed too; the root's designer hears of
  // components below the root as well.
  auto* inner = new TWatcher(panel, "Inner");
  EXPECT_TRUE(inner->ComponentState().Contains(csDesigning));
  inner->SetName("Renamed");
  EXPECT_EQ(designer.Events, (std::vector<std::string>{">", "+TComponent", ">", "+TComponent",
                                                       ">Inner", "Inner>Renamed"}));
  EXPECT_EQ(inner->FindRootDesigner(), &designer);
  root.SetDesigning(false, false);
  EXPECT_TRUE(panel->ComponentState().Contains(csDesigning));
  root.SetDesigning(false);
  EXPECT_FALSE(panel->ComponentState().Contains(csDesigning));
  root.SetDesigner(nullptr);
}

TEST(Component, VirtualConstructorAndRegistry) {
  RegisterClass(TWatcher::StaticClass());
  EXPECT_EQ(GetClass("twatcher"), TWatcher::StaticClass());
  EXPECT_EQ(GetClass("TComponent"), TComponent::StaticClass());  // ancestors come along
  EXPECT_EQ(GetClass("TNothing"), nullptr);
  try {
    FindClass("TNothing");
    ADD_FAILURE();
  } catch (const EClassNotFound& e) {
    EXPECT_EQ(e.Message(), "Class TNothing not found");
  }
  RegisterClassAlias(TWatcher::StaticClass(), "TOldWatcher");
  EXPECT_EQ(FindClass("TOldWatcher"), TWatcher::StaticClass());
  EXPECT_THROW(RegisterClassAlias(TComponent::StaticClass(), "TOldWatcher"), EFilerError);
  UnRegisterClass(TWatcher::StaticClass());
  EXPECT_EQ(GetClass("TOldWatcher"), nullptr);

  TComponent owner(nullptr);
  TComponent* made = CreateComponent(TWatcher::StaticClass(), &owner);
  EXPECT_EQ(made->Owner(), &owner);
  EXPECT_EQ(made->ClassName(), "TWatcher");
  EXPECT_THROW(CreateComponent(TPersistent::StaticClass(), &owner), EInvalidCast);
}

TEST(Component, AssignWithoutSupportNamesBothClasses) {
  TComponent a(nullptr), b(nullptr);
  try {
    a.Assign(&b);
    ADD_FAILURE();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a TComponent to a TComponent");
  }
  try {
    a.Assign(nullptr);
    ADD_FAILURE();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a nil to a TComponent");
  }
}

namespace {
class TTagItem : public TCollectionItem {
  MORVANE_CLASS(TTagItem, TCollectionItem)

 public:
  using TCollectionItem::TCollectionItem;
  std::string Text;
  void Assign(TPersistent* source) override {
    if (auto* other = dynamic_cast<TTagItem*>(source)) {
      Text = other->Text;
      return;
    }
    TCollectionItem::Assign(source);
  }
};

class TCountingCollection : public TOwnedCollection {
  MORVANE_CLASS(TCountingCollection, TOwnedCollection)

 public:
  using TOwnedCollection::TOwnedCollection;
  int Updates = 0;

 protected:
  void Update(TCollectionItem*) override { ++Updates; }
};

class TTagHolder : public TComponent {
  MORVANE_CLASS(TTagHolder, TComponent)

 public:
  explicit TTagHolder(TComponent* owner) : TComponent(owner) {}
  TCountingCollection* Tags() const { return FTags.get(); }
  static void Publish(TPublisher<TTagHolder>& p) { p.Property("Tags", &TTagHolder::Tags); }

 private:
  std::unique_ptr<TCountingCollection> FTags =
      std::make_unique<TCountingCollection>(this, TTagItem::StaticClass());
};
}  // namespace

TEST(Collection, ItemsKnowTheirPlaceAndPath) {
  TComponent form(nullptr);
  form.SetName("Form1");
  auto* holder = new TTagHolder(&form);
  holder->SetName("Holder");
  TCountingCollection& tags = *holder->Tags();
  auto* first = static_cast<TTagItem*>(tags.Add());
  auto* second = static_cast<TTagItem*>(tags.Add());
  auto* inserted = static_cast<TTagItem*>(tags.Insert(0));
  EXPECT_EQ(inserted->Index(), 0);
  EXPECT_EQ(second->Index(), 2);
  EXPECT_EQ(second->GetNamePath(), "Holder.Tags[2]");
  EXPECT_EQ(tags.GetNamePath(), "Holder.Tags");
  EXPECT_EQ(tags.FindItemID(second->ID()), second);
  first->SetIndex(2);
  EXPECT_EQ(tags.Items(2), first);
  EXPECT_THROW(first->SetIndex(3), EListError);
  tags.Delete(0);
  EXPECT_EQ(tags.Count(), 2);
  delete first;  // an item freed directly leaves its collection
  EXPECT_EQ(tags.Count(), 1);
  EXPECT_EQ(tags.Items(0), second);
  EXPECT_EQ(second->DisplayName(), "TTagItem");
}

TEST(Collection, UpdatesAreAnnouncedOnceAtTheEndAndAssignCopiesItems) {
  TTagHolder a(nullptr), b(nullptr);
  a.Tags()->BeginUpdate();
  for (const char* text : {"x", "y", "z"}) static_cast<TTagItem*>(a.Tags()->Add())->Text = text;
  EXPECT_EQ(a.Tags()->Updates, 0);
  a.Tags()->EndUpdate();
  EXPECT_EQ(a.Tags()->Updates, 1);
  b.Tags()->Assign(a.Tags());
  ASSERT_EQ(b.Tags()->Count(), 3);
  EXPECT_EQ(static_cast<TTagItem*>(b.Tags()->Items(2))->Text, "z");
  EXPECT_EQ(b.Tags()->Updates, 1);
  TComponent notACollection(nullptr);
  EXPECT_THROW(b.Tags()->Assign(&notACollection), EConvertError);
  b.Tags()->Clear();
  EXPECT_EQ(b.Tags()->Count(), 0);
}
