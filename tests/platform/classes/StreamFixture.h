#pragma once
// Components with a property of about every kind, for the streaming tests:
// a root whose children are the components it owns, and widgets that own
// their own children (so a tree has grandchildren), with a nested style
// object, a string list, a collection, a reference and an event.

#include <memory>
#include <string>

#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Collection.h"
#include "platform/classes/Component.h"
#include "platform/classes/Strings.h"
#include "platform/rtti/IntConsts.h"

enum TMood { mdCalm, mdHappy, mdGrumpy };
MORVANE_ENUM_TYPEINFO(TMood, mdCalm, mdHappy, mdGrumpy);
enum TTrait { trBold, trQuick, trShy };
MORVANE_ENUM_TYPEINFO(TTrait, trBold, trQuick, trShy);
MORVANE_SET_TYPEINFO(TTraits, TTrait);

// An integer type of its own with identifiers, as TColor has them.
PTypeInfo TypeInfoTShadeIndex();

class TStyle : public TPersistent {
  MORVANE_CLASS(TStyle, TPersistent)

 public:
  std::string FontName = "Sans";
  int32_t Size = 8;
  TSet<TTrait> Traits;

  void Assign(TPersistent* source) override;
  static void Publish(TPublisher<TStyle>& p);

 private:
  const std::string& GetFontName() const { return FontName; }
  void SetFontName(const std::string& v) { FontName = v; }
  int32_t GetSize() const { return Size; }
  void SetSize(int32_t v) { Size = v; }
  TSet<TTrait> GetTraits() const { return Traits; }
  void SetTraits(TSet<TTrait> v) { Traits = v; }
};

class TStreamItem : public TCollectionItem {
  MORVANE_CLASS(TStreamItem, TCollectionItem)

 public:
  using TCollectionItem::TCollectionItem;
  std::string Caption;
  int32_t Value = 0;
  static void Publish(TPublisher<TStreamItem>& p);

 private:
  const std::string& GetCaption() const { return Caption; }
  void SetCaption(const std::string& v) { Caption = v; }
  int32_t GetValue() const { return Value; }
  void SetValue(int32_t v) { Value = v; }
};

class TWidget : public TComponent {
  MORVANE_CLASS(TWidget, TComponent)

 public:
  explicit TWidget(TComponent* owner);
  ~TWidget() override;

  int32_t Count = 0;
  int32_t Shade = 0;
  int64_t Big = 0;
  char Letter = 0;
  TMood Mood = mdCalm;
  TSet<TTrait> Traits;
  bool Enabled = true;
  double Ratio = 0;
  float Scale = 0;
  double Price = 0;
  double When = 0;
  std::string Caption;
  TNotifyEvent OnClick;
  // What Loaded saw: the reference already resolved?
  std::string LinkAtLoaded;
  int LoadedCalls = 0;

  TStyle* Style() const { return FStyle.get(); }
  void SetStyle(TStyle* v) { FStyle->Assign(v); }
  TStrings* Lines() const { return FLines.get(); }
  void SetLines(TStrings* v) { FLines->Assign(v); }
  TOwnedCollection* Items() const { return FItems.get(); }
  TWidget* Link() const { return FLink; }
  void SetLink(TWidget* v);

  TComponent* GetChildOwner() override { return this; }
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  void Notification(TComponent* component, TOperation operation) override;
  static void Publish(TPublisher<TWidget>& p);

 protected:
  void Loaded() override;

 private:
  std::unique_ptr<TStyle> FStyle = std::make_unique<TStyle>();
  std::unique_ptr<TStringList> FLines = std::make_unique<TStringList>();
  std::unique_ptr<TOwnedCollection> FItems;
  TWidget* FLink = nullptr;
};

class TTestRoot : public TComponent {
  MORVANE_CLASS(TTestRoot, TComponent)

 public:
  explicit TTestRoot(TComponent* owner = nullptr) : TComponent(owner) {}
  int Clicks = 0;
  void WidgetClick(TObject*) { ++Clicks; }
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  static void Publish(TPublisher<TTestRoot>& p);
};

// Registers the fixture's classes and identifiers (idempotent).
void RegisterStreamFixture();
