// Arbitrary bytes into TReader::ReadRootComponent on a test root that has a
// property of about every kind, collections, string lists, references and an
// event. Refusal must be a platform exception; whatever was read must be
// writable again, and what is written must read back to the same bytes.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Collection.h"
#include "platform/classes/ComponentStreams.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Strings.h"
#include "platform/core/Exceptions.h"

#define FUZZ_CHECK(condition) \
  do {                        \
    if (!(condition)) __builtin_trap(); \
  } while (0)

namespace {
enum TFuzzKind { fkNone, fkSome, fkAll };
}  // namespace
MORVANE_ENUM_TYPEINFO(TFuzzKind, fkNone, fkSome, fkAll);
MORVANE_SET_TYPEINFO(TFuzzKinds, TFuzzKind);

namespace {
class TFuzzItem : public TCollectionItem {
  MORVANE_CLASS(TFuzzItem, TCollectionItem)

 public:
  using TCollectionItem::TCollectionItem;
  std::string Text;
  static void Publish(TPublisher<TFuzzItem>& p) {
    p.Property("Text", [](const TFuzzItem& i) { return i.Text; },
               [](TFuzzItem& i, std::string v) { i.Text = std::move(v); });
  }
};

class TFuzzPart : public TComponent {
  MORVANE_CLASS(TFuzzPart, TComponent)

 public:
  explicit TFuzzPart(TComponent* owner) : TComponent(owner) {}
  ~TFuzzPart() override { SetBuddy(nullptr); }
  int32_t Number = 0;
  int64_t Wide = 0;
  char Letter = 0;
  TFuzzKind Kind = fkNone;
  TSet<TFuzzKind> Kinds;
  bool Flag = false;
  long double Amount = 0;
  std::string Caption;
  TNotifyEvent OnPoke;

  TStrings* Lines() const { return FLines.get(); }
  TOwnedCollection* Items() const { return FItems.get(); }
  TFuzzPart* Buddy() const { return FBuddy; }
  void SetBuddy(TFuzzPart* v) {
    if (FBuddy) FBuddy->RemoveFreeNotification(this);
    FBuddy = v;
    if (FBuddy) FBuddy->FreeNotification(this);
  }
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    if (op == opRemove && c == FBuddy) FBuddy = nullptr;
  }
  TComponent* GetChildOwner() override { return this; }
  void GetChildren(const TGetChildProc& proc, TComponent*) override {
    for (int32_t i = 0; i < ComponentCount(); ++i) proc(Components(i));
  }

  static void Publish(TPublisher<TFuzzPart>& p) {
    p.Property("Number", [](const TFuzzPart& o) { return o.Number; }, [](TFuzzPart& o, int32_t v) { o.Number = v; }).Default(0);
    p.Property("Wide", [](const TFuzzPart& o) { return o.Wide; }, [](TFuzzPart& o, int64_t v) { o.Wide = v; });
    p.Property("Letter", [](const TFuzzPart& o) { return o.Letter; }, [](TFuzzPart& o, char v) { o.Letter = v; }).Default(0);
    p.Property("Kind", [](const TFuzzPart& o) { return o.Kind; }, [](TFuzzPart& o, TFuzzKind v) { o.Kind = v; }).Default(0);
    p.Property("Kinds", [](const TFuzzPart& o) { return o.Kinds; }, [](TFuzzPart& o, TSet<TFuzzKind> v) { o.Kinds = v; }).Default(0);
    p.Property("Flag", [](const TFuzzPart& o) { return o.Flag; }, [](TFuzzPart& o, bool v) { o.Flag = v; }).Default(0);
    p.Property("Amount", [](const TFuzzPart& o) { return o.Amount; }, [](TFuzzPart& o, long double v) { o.Amount = v; });
    p.Property("Caption", [](const TFuzzPart& o) { return o.Caption; }, [](TFuzzPart& o, std::string v) { o.Caption = std::move(v); });
    p.Property("Lines", &TFuzzPart::Lines);
    p.Property("Items", &TFuzzPart::Items);
    p.Property("Buddy", &TFuzzPart::Buddy, &TFuzzPart::SetBuddy);
    p.Event("OnPoke", &TFuzzPart::OnPoke);
  }

 private:
  std::unique_ptr<TStringList> FLines = std::make_unique<TStringList>();
  std::unique_ptr<TOwnedCollection> FItems =
      std::make_unique<TOwnedCollection>(this, TFuzzItem::StaticClass());
  TFuzzPart* FBuddy = nullptr;
};

class TFuzzRoot : public TComponent {
  MORVANE_CLASS(TFuzzRoot, TComponent)

 public:
  explicit TFuzzRoot(TComponent* owner = nullptr) : TComponent(owner) {}
  void Poke(TObject*) {}
  void GetChildren(const TGetChildProc& proc, TComponent*) override {
    for (int32_t i = 0; i < ComponentCount(); ++i) proc(Components(i));
  }
  static void Publish(TPublisher<TFuzzRoot>& p) { p.Method<&TFuzzRoot::Poke>("Poke"); }
};

std::string Written(TComponent* root) {
  TStringStream output;
  WriteComponent(output, root);
  return output.DataString();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool registered = [] {
    RegisterClasses({TFuzzRoot::StaticClass(), TFuzzPart::StaticClass()});
    return true;
  }();
  (void)registered;
  TFuzzRoot root;
  try {
    TStringStream input(std::string(reinterpret_cast<const char*>(data), size));
    TReader reader(input, 4096);
    reader.ReadRootComponent(&root);
  } catch (const Exception&) {
    // Refused: the root must still be consistent enough to write.
    FUZZ_CHECK(!root.ComponentState().Contains(csReading));
    Written(&root);
    return 0;
  }
  std::string first = Written(&root);
  TFuzzRoot again;
  TStringStream input(first);
  ReadComponent(input, &again);
  FUZZ_CHECK(Written(&again) == first);
  return 0;
}
