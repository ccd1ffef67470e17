#include <gtest/gtest.h>

#include "ControlsTestSupport.h"
#include "platform/classes/ComponentStreams.h"
#include "platform/controls/tabs/PageControl.h"
#include "platform/controls/tabs/TabsUnit.h"

namespace {

[[maybe_unused]] const bool Registered = (InitializeTabs(), true);

std::vector<uint8_t> Binary(TComponent* root) {
  TMemoryStream stream;
  WriteComponent(stream, root);
  auto* bytes = static_cast<const uint8_t*>(stream.Memory());
  return {bytes, bytes + stream.Size()};
}

TForm* ReadBinary(const std::vector<uint8_t>& bytes) {
  TMemoryStream stream;
  stream.Write(bytes.data(), static_cast<int64_t>(bytes.size()));
  stream.SetPosition(0);
  auto* form = new TForm(nullptr);
  ReadComponent(stream, form);
  return form;
}

// One configured tab control and a page control of three pages, the second
// active and holding a control.
TForm* NewTabsForm() {
  auto* form = new TForm(nullptr);
  form->SetName("TabsForm");
  auto* tabs = new TTabControl(form);
  tabs->SetName("Tabs1");
  tabs->SetParent(form);
  tabs->Tabs()->SetText("Alpha\nBeta\n");
  tabs->SetTabIndex(1);
  tabs->SetTabPosition(tpBottom);
  tabs->SetHotTrack(true);
  auto* pages = new TPageControl(form);
  pages->SetName("Pages1");
  pages->SetParent(form);
  pages->SetBounds(0, 200, 300, 180);
  for (const char* name : {"First", "Second", "Third"}) {
    auto* sheet = new TTabSheet(form);
    sheet->SetName(name);
    sheet->SetCaption(std::string("&") + name);
    sheet->SetPageControl(pages);
  }
  pages->Pages(2)->SetTabVisible(false);
  pages->SetActivePageIndex(1);
  auto* shape = new TTestShape(form);
  shape->SetName("Shape1");
  shape->SetParent(pages->Pages(1));
  return form;
}

}  // namespace

TEST(TabsStreaming, TabAndPageControlsStreamThroughBinaryAndTextUnchanged) {
  TForm* form = NewTabsForm();
  std::vector<uint8_t> bytes = Binary(form);
  TForm* copy = ReadBinary(bytes);
  EXPECT_EQ(Binary(copy), bytes);
  auto* pages = ObjectAs<TPageControl>(copy->FindComponent("Pages1"));
  ASSERT_TRUE(pages);
  ASSERT_EQ(pages->PageCount(), 3);
  EXPECT_EQ(pages->ActivePage()->Name(), "Second");  // resolved after reading
  EXPECT_TRUE(pages->Pages(1)->Visible());
  EXPECT_FALSE(pages->Pages(0)->Visible());
  EXPECT_FALSE(pages->Pages(2)->TabVisible());
  EXPECT_EQ(copy->FindComponent("Shape1")->GetParentComponent(), pages->Pages(1));
  auto* tabs = ObjectAs<TTabControl>(copy->FindComponent("Tabs1"));
  EXPECT_EQ(tabs->TabIndex(), 1);
  EXPECT_EQ(tabs->Tabs()->Count(), 2);

  std::string text = ComponentToText(form);
  auto* fromText = new TForm(nullptr);
  TextToComponent(text, fromText);
  EXPECT_EQ(ComponentToText(fromText), text);
  EXPECT_NE(text.find("ActivePage = Second"), std::string::npos);
  // Pages are placed by their page control: no bounds, no page index.
  size_t sheet = text.find("object First: TTabSheet");
  ASSERT_NE(sheet, std::string::npos);
  std::string sheetText = text.substr(sheet, text.find("end", sheet) - sheet);
  EXPECT_EQ(sheetText.find("Left"), std::string::npos);
  EXPECT_EQ(sheetText.find("PageIndex"), std::string::npos);
  for (TForm* f : {form, copy, fromText}) f->Free();
}
