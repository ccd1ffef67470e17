#include "platform/rtti/TypInfo.h"

#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/rtti/IntConsts.h"

namespace {
enum TShade { shLight, shMedium, shDark };
}  // namespace
MORVANE_ENUM_TYPEINFO(TShade, shLight, shMedium, shDark);
MORVANE_SET_TYPEINFO(TShades, TShade);

namespace {
using TKeyEvent = TEvent<void(TObject* Sender, uint16_t& Key)>;
}  // namespace
MORVANE_EVENT_TYPEINFO(TKeyEvent, "Sender: TObject; var Key: Word");

namespace {
class TGadget : public TObject {
  MORVANE_CLASS(TGadget, TObject)

 public:
  int32_t Width() const { return FWidth; }
  void SetWidth(int32_t v) { FWidth = v; }
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& v) { FCaption = v; }
  int32_t Serial() const { return 7; }
  TNotifyEvent OnClick;

  static void Publish(TPublisher<TGadget>& p) {
    p.Property("Width", &TGadget::Width, &TGadget::SetWidth).Default(10);
    p.Property("Caption", &TGadget::Caption, &TGadget::SetCaption).Type(TypeInfoTCaption());
    p.Property("Serial", &TGadget::Serial);
    p.Event("OnClick", &TGadget::OnClick);
  }

 private:
  int32_t FWidth = 10;
  std::string FCaption;
};

class TFancyGadget : public TGadget {
  MORVANE_CLASS(TFancyGadget, TGadget)

 public:
  TShade Shade() const { return FShade; }
  void SetShade(TShade v) { FShade = v; }
  TSet<TShade> Shades() const { return FShades; }
  void SetShades(TSet<TShade> v) { FShades = v; }
  bool Flat() const { return FFlat; }
  void SetFlat(bool v) { FFlat = v; }
  char Accel() const { return FAccel; }
  void SetAccel(char v) { FAccel = v; }
  int64_t Big() const { return FBig; }
  void SetBig(int64_t v) { FBig = v; }
  double Ratio() const { return FRatio; }
  void SetRatio(double v) { FRatio = v; }
  int32_t Color() const { return FColor; }
  void SetColor(int32_t v) { FColor = v; }
  TGadget* Buddy() const { return FBuddy; }
  void SetBuddy(TGadget* v) { FBuddy = v; }
  int32_t Margin(int32_t side) const { return FMargins[side]; }
  void SetMargin(int32_t side, int32_t v) { FMargins[side] = v; }
  bool IsRatioStored() const { return FRatio != 1.5; }
  TKeyEvent OnKey;
  int32_t Clicks = 0;
  void GadgetClick(TObject*) { ++Clicks; }
  void GadgetKey(TObject*, uint16_t& key) { key = 0; }

  static void Publish(TPublisher<TFancyGadget>& p) {
    p.Property("Shade", &TFancyGadget::Shade, &TFancyGadget::SetShade).Default(shLight);
    p.Property("Shades", &TFancyGadget::Shades, &TFancyGadget::SetShades).Default(0);
    p.Property("Flat", &TFancyGadget::Flat, &TFancyGadget::SetFlat).Default(false);
    p.Property("Accel", &TFancyGadget::Accel, &TFancyGadget::SetAccel);
    p.Property("Big", &TFancyGadget::Big, &TFancyGadget::SetBig);
    p.Property("Ratio", &TFancyGadget::Ratio, &TFancyGadget::SetRatio)
        .Stored(&TFancyGadget::IsRatioStored);
    p.Property("Color", &TFancyGadget::Color, &TFancyGadget::SetColor).Type(TypeInfoTColor());
    p.Property("Buddy", &TFancyGadget::Buddy, &TFancyGadget::SetBuddy);
    p.IndexedProperty("MarginLeft", 0, &TFancyGadget::Margin, &TFancyGadget::SetMargin);
    p.IndexedProperty("MarginTop", 1, &TFancyGadget::Margin, &TFancyGadget::SetMargin);
    // Published again with another default: keeps its place and NameIndex.
    p.Property("Width", &TFancyGadget::Width, &TFancyGadget::SetWidth).Default(20);
    p.Event("OnKey", &TFancyGadget::OnKey);
    p.Method<&TFancyGadget::GadgetClick>("GadgetClick");
    p.Method<&TFancyGadget::GadgetKey>("GadgetKey");
  }

 private:
  TShade FShade = shLight;
  TSet<TShade> FShades;
  bool FFlat = false;
  char FAccel = 0;
  int64_t FBig = 0;
  double FRatio = 1.5;
  int32_t FColor = 0;
  TGadget* FBuddy = nullptr;
  int32_t FMargins[2] = {0, 0};
};

class TAbstractGadget : public TObject {
  MORVANE_CLASS(TAbstractGadget, TObject)

 public:
  virtual void Draw() = 0;
};

std::vector<std::string> Names(const std::vector<PPropInfo>& list) {
  std::vector<std::string> names;
  for (PPropInfo p : list) names.push_back(p->Name);
  return names;
}
}  // namespace

TEST(TypInfo, ClassReferencesKnowTheirPlaceAndCreateInstances) {
  TClass cls = TFancyGadget::StaticClass();
  EXPECT_EQ(cls->ClassName(), "TFancyGadget");
  EXPECT_EQ(cls->ClassParent(), TGadget::StaticClass());
  EXPECT_TRUE(cls->InheritsFrom(TObject::StaticClass()));
  EXPECT_FALSE(TGadget::StaticClass()->InheritsFrom(cls));
  std::unique_ptr<TObject> made(cls->Create());
  EXPECT_EQ(made->ClassType(), cls);
  EXPECT_EQ(made->ClassName(), "TFancyGadget");
  EXPECT_EQ(cls->ClassInfo()->Kind, tkClass);
  EXPECT_EQ(GetTypeData(cls->ClassInfo())->ClassType, cls);
  EXPECT_FALSE(TAbstractGadget::StaticClass()->Creatable());
  EXPECT_THROW(TAbstractGadget::StaticClass()->Create(), EAbstractError);
}

TEST(TypInfo, PropertiesComeInDeclarationOrderInheritedFirst) {
  auto list = GetPropList(TFancyGadget::StaticClass());
  EXPECT_EQ(Names(list), (std::vector<std::string>{"Width", "Caption", "Serial", "OnClick", "Shade",
                                                   "Shades", "Flat", "Accel", "Big", "Ratio",
                                                   "Color", "Buddy", "MarginLeft", "MarginTop",
                                                   "OnKey"}));
  for (size_t i = 0; i < list.size(); ++i) EXPECT_EQ(list[i]->NameIndex, static_cast<int16_t>(i));
  PPropInfo width = GetPropInfo(TFancyGadget::StaticClass(), "width");
  EXPECT_EQ(width->Default, 20);
  EXPECT_EQ(GetPropInfo(TGadget::StaticClass(), "Width")->Default, 10);
  EXPECT_EQ(GetPropInfo(TGadget::StaticClass(), "Serial")->Default, NoDefault);
  EXPECT_EQ(GetPropInfo(TFancyGadget::StaticClass(), "MarginTop")->Index, 1);
  EXPECT_EQ(GetPropInfo(TGadget::StaticClass(), "Shade"), nullptr);
}

TEST(TypInfo, PropListFiltersByKindAndSortsOnRequest) {
  TClass cls = TFancyGadget::StaticClass();
  EXPECT_EQ(Names(GetPropList(cls, tkMethods())), (std::vector<std::string>{"OnClick", "OnKey"}));
  EXPECT_EQ(Names(GetPropList(cls, TTypeKinds{tkEnumeration, tkSet})),
            (std::vector<std::string>{"Shade", "Shades", "Flat"}));
  auto sorted = Names(GetPropList(cls, tkProperties(), true));
  EXPECT_EQ(sorted.front(), "Accel");
  EXPECT_EQ(sorted.back(), "Width");
  EXPECT_EQ(sorted.size(), 13u);
}

TEST(TypInfo, TypeInformationOfPropertiesAndNamedTypes) {
  struct Case {
    const char* prop;
    TTypeKind kind;
    const char* typeName;
  };
  for (const Case& c : std::vector<Case>{{"Width", tkInteger, "Integer"},
                                         {"Caption", tkLString, "TCaption"},
                                         {"OnClick", tkMethod, "TNotifyEvent"},
                                         {"Shade", tkEnumeration, "TShade"},
                                         {"Shades", tkSet, "TShades"},
                                         {"Flat", tkEnumeration, "Boolean"},
                                         {"Accel", tkChar, "Char"},
                                         {"Big", tkInt64, "Int64"},
                                         {"Ratio", tkFloat, "Double"},
                                         {"Color", tkInteger, "TColor"},
                                         {"Buddy", tkClass, "TGadget"},
                                         {"OnKey", tkMethod, "TKeyEvent"}}) {
    PPropInfo info = GetPropInfo(TFancyGadget::StaticClass(), c.prop);
    ASSERT_NE(info, nullptr) << c.prop;
    EXPECT_EQ(info->PropType->Kind, c.kind) << c.prop;
    EXPECT_EQ(info->PropType->Name, c.typeName) << c.prop;
  }
  EXPECT_NE(TypeInfoTColor(), TypeInfoInteger());
  EXPECT_EQ(TypeInfoTDateTime()->Kind, tkFloat);
  EXPECT_EQ(TypeInfoTFontName()->Kind, tkLString);
  EXPECT_EQ(GetTypeData(TypeInfo<TSet<TShade>>())->CompType, TypeInfo<TShade>());

  PTypeData key = GetTypeData(TypeInfo<TKeyEvent>());
  ASSERT_EQ(key->ParamList.size(), 2u);
  EXPECT_EQ(key->ParamList[1].ParamName, "Key");
  EXPECT_EQ(key->ParamList[1].TypeName, "Word");
  EXPECT_TRUE(key->ParamList[1].Flags.Contains(pfVar));
  EXPECT_FALSE(key->ParamList[0].Flags.Contains(pfVar));
}

TEST(TypInfo, EnumerationNames) {
  PTypeInfo shade = TypeInfo<TShade>();
  EXPECT_EQ(GetEnumName(shade, shDark), "shDark");
  EXPECT_EQ(GetEnumName(shade, 3), "");
  EXPECT_EQ(GetEnumName(shade, -1), "");
  EXPECT_EQ(GetEnumValue(shade, "SHMEDIUM"), shMedium);
  EXPECT_EQ(GetEnumValue(shade, "shPale"), -1);
  EXPECT_EQ(GetEnumValue(TypeInfoBoolean(), "true"), 1);
  EXPECT_EQ(GetTypeData(shade)->MaxValue, 2);
}

TEST(TypInfo, EveryKindReadsAndWritesThroughTypeInformation) {
  TFancyGadget g;
  TGadget buddy;
  SetOrdProp(&g, "Width", 33);
  SetStrProp(&g, "Caption", "Hello");
  SetEnumProp(&g, "Shade", "shDark");
  SetSetProp(&g, "Shades", "[shLight, shDark]");
  SetOrdProp(&g, "Flat", 1);
  SetOrdProp(&g, "Accel", 'x');
  SetInt64Prop(&g, "Big", int64_t{1} << 40);
  SetFloatProp(&g, "Ratio", 0.25L);
  SetObjectProp(&g, "Buddy", &buddy);
  SetOrdProp(&g, "MarginTop", 4);

  EXPECT_EQ(g.Width(), 33);
  EXPECT_EQ(GetStrProp(&g, "caption"), "Hello");
  EXPECT_EQ(g.Shade(), shDark);
  EXPECT_EQ(GetEnumProp(&g, "Shade"), "shDark");
  EXPECT_EQ(GetSetProp(&g, "Shades"), "shLight,shDark");
  EXPECT_EQ(GetSetProp(&g, "Shades", true), "[shLight,shDark]");
  EXPECT_EQ(GetOrdProp(&g, "Shades"), 0b101);
  EXPECT_TRUE(g.Flat());
  EXPECT_EQ(g.Accel(), 'x');
  EXPECT_EQ(GetInt64Prop(&g, "Big"), int64_t{1} << 40);
  EXPECT_EQ(GetFloatProp(&g, "Ratio"), 0.25L);
  EXPECT_EQ(GetObjectProp(&g, "Buddy"), &buddy);
  EXPECT_EQ(GetObjectProp(&g, "Buddy", TFancyGadget::StaticClass()), nullptr);
  EXPECT_EQ(GetOrdProp(&g, "Buddy"), reinterpret_cast<intptr_t>(&buddy));
  EXPECT_EQ(g.Margin(1), 4);
  EXPECT_EQ(g.Margin(0), 0);
  SetSetProp(&g, "Shades", "");
  EXPECT_TRUE(g.Shades().Empty());
}

TEST(TypInfo, StoredPredicatesAndConstants) {
  TFancyGadget g;
  EXPECT_FALSE(IsStoredProp(&g, "Ratio"));
  g.SetRatio(2);
  EXPECT_TRUE(IsStoredProp(&g, "Ratio"));
  EXPECT_TRUE(IsStoredProp(&g, "Width"));
}

TEST(TypInfo, BadAccessRaisesThePlatformsErrors) {
  TFancyGadget g;
  TObject other;
  EXPECT_THROW(GetOrdProp(&g, "Nope"), EPropertyError);
  EXPECT_THROW(GetStrProp(&g, "Width"), EInvalidCast);
  EXPECT_THROW(GetOrdProp(&g, "Caption"), EInvalidCast);
  EXPECT_THROW(GetFloatProp(&g, "OnClick"), EInvalidCast);
  EXPECT_THROW(GetOrdProp(&g, "Big"), EInvalidCast);
  EXPECT_THROW(SetOrdProp(&g, "Serial", 1), EPropertyError);
  EXPECT_THROW(SetEnumProp(&g, "Shade", "shPale"), EPropertyError);
  EXPECT_THROW(SetSetProp(&g, "Shades", "[shLight,shPale]"), EPropertyError);
  EXPECT_THROW(SetObjectProp(&g, "Buddy", &other), EInvalidCast);
  try {
    GetOrdProp(&g, "Nope");
  } catch (const EPropertyError& e) {
    EXPECT_EQ(e.Message(), "Property Nope does not exist");
  }
  EXPECT_TRUE(IsPublishedProp(&g, "shade"));
  EXPECT_FALSE(IsPublishedProp(TGadget::StaticClass(), "Shade"));
  EXPECT_TRUE(PropIsType(&g, "Ratio", tkFloat));
}

TEST(TypInfo, EventsBindPublishedMethodsAndLambdas) {
  TFancyGadget g;
  void* code = g.MethodAddress("gadgetclick");
  ASSERT_NE(code, nullptr);
  EXPECT_EQ(g.MethodName(code), "GadgetClick");
  EXPECT_EQ(g.MethodAddress("Missing"), nullptr);
  EXPECT_EQ(TGadget::StaticClass()->MethodAddress("GadgetClick"), nullptr);

  SetMethodProp(&g, "OnClick", TMethod{code, &g});
  ASSERT_TRUE(g.OnClick.Assigned());
  g.OnClick(&g);
  EXPECT_EQ(g.Clicks, 1);
  EXPECT_EQ(GetMethodProp(&g, "OnClick"), (TMethod{code, &g}));
  // A handler of another signature does not fit the event.
  EXPECT_THROW(SetMethodProp(&g, "OnKey", TMethod{code, &g}), EInvalidCast);

  int calls = 0;
  g.OnClick = [&calls](TObject*) { ++calls; };
  TMethod lambda = GetMethodProp(&g, "OnClick");
  TFancyGadget other;
  SetMethodProp(&other, "OnClick", lambda);
  g.OnClick.Clear();
  other.OnClick(nullptr);
  EXPECT_EQ(calls, 1);
  EXPECT_FALSE(g.OnClick.Assigned());

  g.OnKey.Bind<&TFancyGadget::GadgetKey>(&g);
  uint16_t key = 13;
  g.OnKey(&g, key);
  EXPECT_EQ(key, 0);
  EXPECT_EQ(g.OnKey.Method().Code, g.MethodAddress("GadgetKey"));
  SetMethodProp(&g, "OnKey", TMethod{});
  EXPECT_FALSE(g.OnKey.Assigned());
}

TEST(TypInfo, IntegerIdentifiersByType) {
  static const std::vector<TIdentMapEntry> colors = {{0, "clBlack"}, {0xFFFFFF, "clWhite"}};
  RegisterIntegerConsts(
      TypeInfoTColor(), [](const std::string& s, int32_t& v) { return IdentToInt(s, v, colors); },
      [](int32_t v, std::string& s) { return IntToIdent(v, s, colors); });
  std::string ident;
  int32_t value = 0;
  ASSERT_TRUE(FindIntToIdent(TypeInfoTColor()));
  EXPECT_TRUE(FindIntToIdent(TypeInfoTColor())(0xFFFFFF, ident));
  EXPECT_EQ(ident, "clWhite");
  EXPECT_TRUE(FindIdentToInt(TypeInfoTColor())("CLWHITE", value));
  EXPECT_EQ(value, 0xFFFFFF);
  EXPECT_FALSE(FindIdentToInt(TypeInfoTColor())("clPink", value));
  EXPECT_FALSE(FindIntToIdent(TypeInfoInteger()));
  UnregisterIntegerConsts(TypeInfoTColor());
  EXPECT_FALSE(FindIdentToInt(TypeInfoTColor()));
}
