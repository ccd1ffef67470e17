#include "StreamFixture.h"

#include "platform/core/Exceptions.h"

PTypeInfo TypeInfoTShadeIndex() {
  static const TTypeInfo info = MakeOrdinalTypeInfo(tkInteger, "TShadeIndex", otSLong, -100000, 100000);
  return &info;
}

void TStyle::Assign(TPersistent* source) {
  if (auto* other = dynamic_cast<TStyle*>(source)) {
    FontName = other->FontName;
    Size = other->Size;
    Traits = other->Traits;
    return;
  }
  TPersistent::Assign(source);
}

void TStyle::Publish(TPublisher<TStyle>& p) {
  p.Property("Name", &TStyle::GetFontName, &TStyle::SetFontName).Type(TypeInfoTFontName());
  p.Property("Size", &TStyle::GetSize, &TStyle::SetSize);
  p.Property("Traits", &TStyle::GetTraits, &TStyle::SetTraits).Default(0);
}

void TStreamItem::Publish(TPublisher<TStreamItem>& p) {
  p.Property("Caption", &TStreamItem::GetCaption, &TStreamItem::SetCaption);
  p.Property("Value", &TStreamItem::GetValue, &TStreamItem::SetValue).Default(0);
}

TWidget::TWidget(TComponent* owner)
    : TComponent(owner),
      FItems(std::make_unique<TOwnedCollection>(this, TStreamItem::StaticClass())) {}

TWidget::~TWidget() = default;

void TWidget::SetLink(TWidget* v) {
  if (FLink) FLink->RemoveFreeNotification(this);
  FLink = v;
  if (FLink) FLink->FreeNotification(this);
}

void TWidget::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == FLink) FLink = nullptr;
}

void TWidget::GetChildren(const TGetChildProc& proc, TComponent*) {
  for (int32_t i = 0; i < ComponentCount(); ++i) proc(Components(i));
}

void TWidget::Loaded() {
  TComponent::Loaded();
  ++LoadedCalls;
  LinkAtLoaded = FLink ? FLink->Name() : "-";
}

namespace {
template <auto Field>
struct FieldAccess;
template <class V, V TWidget::*Field>
struct FieldAccess<Field> {
  static V Get(const TWidget& w) { return w.*Field; }
  static void Set(TWidget& w, V v) { w.*Field = v; }
};
template <auto Field>
constexpr auto Getter = &FieldAccess<Field>::Get;
template <auto Field>
constexpr auto Setter = &FieldAccess<Field>::Set;
}  // namespace

void TWidget::Publish(TPublisher<TWidget>& p) {
  p.Property("Count", Getter<&TWidget::Count>, Setter<&TWidget::Count>).Default(0);
  p.Property("Shade", Getter<&TWidget::Shade>, Setter<&TWidget::Shade>).Type(TypeInfoTShadeIndex()).Default(0);
  p.Property("Big", Getter<&TWidget::Big>, Setter<&TWidget::Big>);
  p.Property("Letter", Getter<&TWidget::Letter>, Setter<&TWidget::Letter>).Default(0);
  p.Property("Mood", Getter<&TWidget::Mood>, Setter<&TWidget::Mood>).Default(mdCalm);
  p.Property("Traits", Getter<&TWidget::Traits>, Setter<&TWidget::Traits>).Default(0);
  p.Property("Enabled", Getter<&TWidget::Enabled>, Setter<&TWidget::Enabled>).Default(true);
  p.Property("Ratio", Getter<&TWidget::Ratio>, Setter<&TWidget::Ratio>);
  p.Property("Scale", Getter<&TWidget::Scale>, Setter<&TWidget::Scale>);
  p.Property("Price", Getter<&TWidget::Price>, Setter<&TWidget::Price>).Type(TypeInfoCurrency());
  p.Property("When", Getter<&TWidget::When>, Setter<&TWidget::When>).Type(TypeInfoTDateTime());
  p.Property("Caption", Getter<&TWidget::Caption>, Setter<&TWidget::Caption>);
  p.Property("Style", &TWidget::Style, &TWidget::SetStyle);
  p.Property("Lines", &TWidget::Lines, &TWidget::SetLines);
  p.Property("Items", &TWidget::Items);
  p.Property("Link", &TWidget::Link, &TWidget::SetLink);
  p.Event("OnClick", &TWidget::OnClick);
}

void TTestRoot::GetChildren(const TGetChildProc& proc, TComponent*) {
  for (int32_t i = 0; i < ComponentCount(); ++i) proc(Components(i));
}

void TTestRoot::Publish(TPublisher<TTestRoot>& p) {
  p.Method<&TTestRoot::WidgetClick>("WidgetClick");
}

void RegisterStreamFixture() {
  RegisterClasses({TTestRoot::StaticClass(), TWidget::StaticClass()});
  static const std::vector<TIdentMapEntry> shades = {{0x40, "shGrey"}, {0xFF, "shWhite"}};
  RegisterIntegerConsts(
      TypeInfoTShadeIndex(), [](const std::string& s, int32_t& v) { return IdentToInt(s, v, shades); },
      [](int32_t v, std::string& s) { return IntToIdent(v, s, shades); });
}
