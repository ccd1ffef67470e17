#include <gtest/gtest.h>

#include <QClipboard>
#include <cstring>

#include "WindowsTestSupport.h"
#include "platform/windows/Clipbrd.h"

namespace {

TEST(Clipboard, TextTravelsBothWaysWithItsTerminatingNul) {
  Clipboard()->SetTextBuf("object Button1: TButton\nend");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "object Button1: TButton\nend");
  ASSERT_TRUE(OpenClipboard(nullptr));
  EXPECT_FALSE(OpenClipboard(nullptr)) << "open twice";
  auto data = static_cast<HGLOBAL>(GetClipboardData(CF_TEXT));
  ASSERT_NE(data, nullptr);
  auto* bytes = static_cast<const char*>(GlobalLock(data));
  ASSERT_GE(GlobalSize(data), 28u);
  EXPECT_EQ(std::memcmp(bytes, "object Button1: TButton\nend\0", 28), 0);
  GlobalUnlock(data);
  CloseClipboard();

  QGuiApplication::clipboard()->setText("from the desktop");
  EXPECT_TRUE(Clipboard()->HasFormat(CF_TEXT));
  EXPECT_EQ(Clipboard()->AsText(), "from the desktop");
  char small[5];
  EXPECT_EQ(Clipboard()->GetTextBuf(small, sizeof small), 4);
  EXPECT_STREQ(small, "from");
  Clipboard()->Clear();
  EXPECT_FALSE(Clipboard()->HasFormat(CF_TEXT));
  EXPECT_EQ(Clipboard()->AsText(), "");
}

}  // namespace
