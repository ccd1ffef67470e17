#include <gtest/gtest.h>

#include <memory>

#include "ExtCtrlsTestSupport.h"
#include "platform/classes/ComponentStreams.h"
#include "platform/core/Streams.h"

namespace {

// A form holding one configured instance of each class of the family.
TForm* FormWithEveryControl() {
  auto* form = new TForm(nullptr);
  form->SetName("Every");
  form->SetBounds(0, 0, 400, 300);
  auto* panel = Place<TPanel>(form, 0, 0, 200, 60);
  panel->SetName("Panel1");
  panel->SetCaption("Panel caption");
  panel->SetBevelInner(bvLowered);
  panel->SetBevelWidth(2);
  panel->SetBorderWidth(3);
  panel->SetAlignment(taLeftJustify);
  auto* bevel = Place<TBevel>(panel, 5, 5, 40, 20);
  bevel->SetName("Bevel1");
  bevel->SetShape(bsFrame);
  bevel->SetStyle(bsRaised);
  auto* shape = Place<TShape>(form, 210, 0, 30, 30);
  shape->SetName("Shape1");
  shape->SetShape(stCircle);
  shape->Brush()->SetColor(clRed);
  shape->Pen()->SetWidth(3);
  auto* image = Place<TImage>(form, 250, 0, 40, 40);
  image->SetName("Image1");
  image->SetStretch(true);
  image->SetCenter(true);
  std::unique_ptr<TBitmap> picture(SolidGlyph(8, {clBlue}));
  image->Picture()->SetBitmap(picture.get());
  auto* box = Place<TPaintBox>(form, 300, 0, 20, 20);
  box->SetName("PaintBox1");
  box->SetColor(clYellow);
  auto* button = Place<TSpeedButton>(form, 0, 70, 30, 30);
  button->SetName("SpeedButton1");
  button->SetGroupIndex(4);
  button->SetDown(true);
  button->SetAllowAllUp(true);
  button->SetFlat(true);
  button->SetLayout(blGlyphTop);
  button->SetSpacing(0);
  std::unique_ptr<TBitmap> glyph(SolidGlyph(8, {clRed, clGray}));
  button->SetGlyph(glyph.get());
  auto* splitter = Place<TSplitter>(form, 0, 0, 3, 100);
  splitter->SetName("Splitter1");
  splitter->SetAlign(alBottom);
  splitter->SetMinSize(12);
  splitter->SetBeveled(true);
  splitter->SetResizeStyle(rsUpdate);
  auto* scroll = Place<TScrollBox>(form, 40, 70, 100, 50);
  scroll->SetName("ScrollBox1");
  scroll->SetBorderStyle(bsNone);
  scroll->VertScrollBar()->SetRange(300);
  auto* status = Place<TStatusBar>(form, 0, 0, 400, 19);
  status->SetName("StatusBar1");
  status->SetSizeGrip(false);
  status->SetSimpleText("simple");
  for (int i = 0; i < 2; ++i) {
    TStatusPanel* item = status->Panels()->Add();
    item->SetText(i == 0 ? "First" : "Second");
    item->SetWidth(80 + i);
    item->SetAlignment(i == 0 ? taCenter : taRightJustify);
    item->SetBevel(i == 0 ? pbRaised : pbNone);
  }
  auto* timer = new TTimer(form);
  timer->SetName("Timer1");
  timer->SetEnabled(false);
  timer->SetInterval(250);
  auto* track = Place<TTrackBar>(form, 150, 70, 150, 45);
  track->SetName("TrackBar1");
  track->SetMin(-5);
  track->SetMax(20);
  track->SetPosition(7);
  track->SetFrequency(5);
  track->SetTickMarks(tmBoth);
  track->SetPageSize(4);
  auto* progress = Place<TProgressBar>(form, 150, 130, 150, 16);
  progress->SetName("ProgressBar1");
  progress->SetMax(50);
  progress->SetPosition(30);
  progress->SetStep(5);
  progress->SetSmooth(true);
  return form;
}

std::string Binary(TComponent* component) {
  TMemoryStream stream;
  WriteComponent(stream, component);
  return std::string(static_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
}

TEST(ExtCtrlsStreaming, EveryControlStreamsThroughBinaryAndTextUnchanged) {
  std::unique_ptr<TForm, void (*)(TForm*)> form(FormWithEveryControl(), [](TForm* f) { f->Free(); });
  std::string bytes = Binary(form.get());

  auto* copy = new TForm(nullptr);
  TMemoryStream in;
  in.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  in.SetPosition(0);
  ReadComponent(in, copy);
  EXPECT_EQ(Binary(copy), bytes);

  std::string text = ComponentToText(form.get());
  auto* fromText = new TForm(nullptr);
  TextToComponent(text, fromText);
  EXPECT_EQ(ComponentToText(fromText), text);
  EXPECT_EQ(Binary(fromText), bytes);

  // What was read is what was set, not only what was written.
  auto* button = ObjectAs<TSpeedButton>(copy->FindComponent("SpeedButton1"));
  ASSERT_TRUE(button);
  EXPECT_TRUE(button->Down());
  EXPECT_EQ(button->NumGlyphs(), 2);
  auto* status = ObjectAs<TStatusBar>(copy->FindComponent("StatusBar1"));
  ASSERT_TRUE(status);
  ASSERT_EQ(status->Panels()->Count(), 2);
  EXPECT_EQ(status->Panels()->Items(1)->Text(), "Second");
  EXPECT_EQ(ObjectAs<TTrackBar>(copy->FindComponent("TrackBar1"))->Position(), 7);
  EXPECT_EQ(ObjectAs<TImage>(copy->FindComponent("Image1"))->Picture()->Width(), 8);
  copy->Free();
  fromText->Free();
}

TEST(ExtCtrlsStreaming, DefaultsAreNotWritten) {
  auto* form = new TForm(nullptr);
  form->SetName("Fresh");
  auto* panel = Place<TPanel>(form, 0, 0, 185, 41);
  panel->SetName("Panel1");
  Place<TSplitter>(form, 0, 0, 3, 100)->SetName("Splitter1");
  Place<TStatusBar>(form, 0, 0, 100, 19)->SetName("StatusBar1");
  Place<TTrackBar>(form, 0, 0, 150, 45)->SetName("TrackBar1");
  (new TTimer(form))->SetName("Timer1");
  std::string text = ComponentToText(form);
  for (const char* property : {"    Color", "ParentColor", "Align", "Cursor", "Width = 3\n",
                               "BevelOuter", "Interval", "Enabled", "Max", "TabStop", "SizeGrip"})
    EXPECT_EQ(text.find(property), std::string::npos) << property << "\n" << text;
  form->Free();
}

TEST(ExtCtrlsLook, EachControlShowsItsPixelsOnTheForm) {
  TShownForm shown(420, 320);
  TForm* form = shown.Form;
  form->SetColor(clWhite);
  auto* panel = Place<TPanel>(form, 0, 0, 100, 40);
  panel->SetColor(clAqua);
  auto* shape = Place<TShape>(form, 110, 0, 30, 30);
  shape->Brush()->SetColor(clRed);
  Place<TBevel>(form, 150, 0, 30, 30);
  std::unique_ptr<TBitmap> picture(SolidGlyph(20, {clBlue}));
  auto* image = Place<TImage>(form, 190, 0, 30, 30);
  image->Picture()->SetBitmap(picture.get());
  auto* box = Place<TPaintBox>(form, 230, 0, 30, 30);
  box->OnPaint = [box](TObject*) {
    box->Canvas()->Brush()->SetColor(clLime);
    box->Canvas()->FillRect(Rect(0, 0, 30, 30));
  };
  auto* button = Place<TSpeedButton>(form, 270, 0, 30, 30);
  auto* splitter = Place<TSplitter>(form, 0, 0, 3, 100);
  splitter->SetAlign(alNone);
  splitter->SetBounds(310, 0, 5, 30);
  splitter->SetColor(clMaroon);
  auto* scroll = Place<TScrollBox>(form, 0, 50, 60, 40);
  scroll->SetColor(clYellow);
  auto* status = Place<TStatusBar>(form, 0, 0, 100, 19);
  status->SetColor(clNavy);
  auto* track = Place<TTrackBar>(form, 70, 50, 150, 45);
  auto* progress = Place<TProgressBar>(form, 230, 50, 150, 16);
  progress->SetPosition(100);
  (void)button;
  (void)track;
  QImage image0 = Snapshot(form);
  struct TCase {
    const char* Name;
    QPoint Point;
    TColor Expected;
  };
  const TCase cases[] = {
      {"panel", {50, 20}, clAqua},        {"shape", {125, 15}, clRed},
      {"bevel", {150, 15}, clBtnShadow},  {"image", {200, 10}, clBlue},
      {"paint box", {245, 15}, clLime},   {"speed button", {285, 15}, clBtnFace},
      {"splitter", {312, 15}, clMaroon},  {"scroll box", {30, 70}, clYellow},
      {"status bar", {50, form->ClientHeight() - 5}, clNavy},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(PixelAt(image0, c.Point.x(), c.Point.y()), ColorToRGB(c.Expected)) << c.Name;
  // Native widgets: the slider and the full bar paint something besides the form's white.
  auto paintsSomething = [&](TWinControl* control) {
    QImage part = image0.copy(control->Left(), control->Top(), control->Width(), control->Height());
    for (int y = 0; y < part.height(); ++y)
      for (int x = 0; x < part.width(); ++x)
        if (QColor(part.pixel(x, y)) != QColor(Qt::white)) return true;
    return false;
  };
  EXPECT_TRUE(paintsSomething(track));
  EXPECT_TRUE(paintsSomething(progress));
  EXPECT_TRUE(WidgetOf(track)->isVisible());
}

}  // namespace
