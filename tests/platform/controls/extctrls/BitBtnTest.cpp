#include <gtest/gtest.h>

#include <memory>

#include "ExtCtrlsTestSupport.h"
#include "platform/classes/ComponentStreams.h"

namespace {

TEST(BitBtn, EachKindGivesItsCaptionModalResultAndRole) {
  struct TCase {
    TBitBtnKind Kind;
    const char* Caption;
    TModalResult Result;
    bool Default, Cancel;
  };
  const TCase cases[] = {
      {bkOK, "OK", mrOk, true, false},          {bkCancel, "Cancel", mrCancel, false, true},
      {bkHelp, "&Help", mrNone, false, false},  {bkYes, "&Yes", mrYes, true, false},
      {bkNo, "&No", mrNo, false, true},         {bkClose, "&Close", mrNone, false, false},
      {bkAbort, "Abort", mrAbort, false, false}, {bkRetry, "&Retry", mrRetry, false, false},
      {bkIgnore, "&Ignore", mrIgnore, false, false}, {bkAll, "&All", mrAll, false, false},
  };
  for (const TCase& c : cases) {
    TBitBtn button(nullptr);
    button.SetKind(c.Kind);
    EXPECT_EQ(button.Kind(), c.Kind);
    EXPECT_EQ(button.Caption(), c.Caption);
    EXPECT_EQ(button.ModalResult(), c.Result) << c.Caption;
    EXPECT_EQ(button.Default(), c.Default) << c.Caption;
    EXPECT_EQ(button.Cancel(), c.Cancel) << c.Caption;
    EXPECT_EQ(button.NumGlyphs(), 2) << c.Caption;
    EXPECT_FALSE(button.Glyph()->Empty()) << c.Caption;
  }
}

TEST(BitBtn, ChangingAKindsValueMakesItCustom) {
  TBitBtn button(nullptr);
  button.SetKind(bkOK);
  button.SetCaption("Fine");  // the caption alone keeps the kind
  EXPECT_EQ(button.Kind(), bkOK);
  button.SetModalResult(mrYes);
  EXPECT_EQ(button.Kind(), bkCustom);
  button.SetKind(bkCancel);
  button.SetDefault(true);
  EXPECT_EQ(button.Kind(), bkCustom);
}

TEST(BitBtn, AKindButtonStreamsAsItsKindAndACaptionOfItsOwn) {
  auto* form = new TForm(nullptr);
  form->SetName("Dialog");
  auto* ok = Place<TBitBtn>(form, 8, 8, 75, 25);
  ok->SetName("OkBtn");
  ok->SetKind(bkOK);
  auto* cancel = Place<TBitBtn>(form, 90, 8, 75, 25);
  cancel->SetName("CancelBtn");
  cancel->SetKind(bkCancel);
  cancel->SetCaption("&Cancel");
  std::string text = ComponentToText(form);
  for (const char* absent : {"ModalResult", "Default", "Glyph", "NumGlyphs", "Caption = 'OK'"})
    EXPECT_EQ(text.find(absent), std::string::npos) << absent;
  EXPECT_NE(text.find("Kind = bkOK"), std::string::npos);
  EXPECT_NE(text.find("Caption = '&Cancel'"), std::string::npos);
  auto* copy = new TForm(nullptr);
  TextToComponent(text, copy);
  auto* read = ObjectAs<TBitBtn>(copy->FindComponent("CancelBtn"));
  ASSERT_TRUE(read);
  EXPECT_EQ(read->Caption(), "&Cancel");  // read before the kind, and kept
  EXPECT_EQ(read->Kind(), bkCancel);
  EXPECT_EQ(ComponentToText(copy), text);
  form->Free();
  copy->Free();
}

TEST(BitBtn, ClickingGivesTheModalResultAndCloseClosesTheForm) {
  TShownForm shown;
  auto* ok = Place<TBitBtn>(shown.Form, 10, 10, 75, 25);
  ok->SetKind(bkOK);
  int clicks = 0;
  ok->OnClick = [&](TObject*) { ++clicks; };
  ClickAt(ok, {20, 10});
  EXPECT_EQ(shown.Form->ModalResult(), mrOk);
  EXPECT_EQ(clicks, 1);
  shown.Form->SetModalResult(mrNone);
  auto* close = Place<TBitBtn>(shown.Form, 10, 40, 75, 25);
  close->SetKind(bkClose);
  close->OnClick = [&](TObject*) { ++clicks; };
  ClickAt(close, {20, 10});
  EXPECT_FALSE(shown.Form->Visible());
  EXPECT_EQ(clicks, 1);  // a close button closes instead of clicking
}

TEST(BitBtn, ShowsItsGlyphBesideTheCaption) {
  TShownForm shown;
  auto* button = Place<TBitBtn>(shown.Form, 0, 0, 100, 40);
  button->SetCaption("");
  std::unique_ptr<TBitmap> glyph(SolidGlyph(10, {clRed, clGray}));
  button->SetGlyph(glyph.get());
  EXPECT_EQ(button->NumGlyphs(), 2);
  EXPECT_EQ(PixelAt(Snapshot(button), 50, 20), clRed);
  button->SetEnabled(false);
  EXPECT_EQ(PixelAt(Snapshot(button), 50, 20), clGray);
}

}  // namespace
