// Shortcut text and date/time text, both ways.

#include <gtest/gtest.h>

#include "platform/controls/menus/ShortCuts.h"
#include "platform/core/Exceptions.h"
#include "platform/design/DateTimeText.h"

namespace {

TEST(ShortCuts, TextAndShortCutsRoundTrip) {
  struct TCase {
    TShortCut ShortCut;
    const char* Text;
  } cases[] = {
      {scCtrl | 'S', "Ctrl+S"},
      {scShift | scCtrl | 0x74, "Shift+Ctrl+F5"},
      {scAlt | VK_BACK, "Alt+BkSp"},
      {VK_DELETE, "Del"},
      {scShift | VK_INSERT, "Shift+Ins"},
      {'7', "7"},
      {0x7B, "F12"},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(ShortCutToText(c.ShortCut), c.Text);
    EXPECT_EQ(TextToShortCut(c.Text), c.ShortCut) << c.Text;
  }
  EXPECT_EQ(TextToShortCut("ctrl+SHIFT+f5"), scShift | scCtrl | 0x74);
  for (const char* nothing : {"", "Ctrl+", "+", "Foo", "Ctrl+Foo", "F13"})
    EXPECT_EQ(TextToShortCut(nothing), scNone) << nothing;
  EXPECT_EQ(ShortCutToText(0), "");
  EXPECT_EQ(ShortCut('S', TShiftState{ssCtrl, ssShift}), scShift | scCtrl | 'S');
}

TEST(DateTimeText, DatesAndTimesReadBackTheSame) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
  EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
  struct TCase {
    TDateTimeValue Value;
    const char* Text;
  } cases[] = {
      {EncodeDate(2024, 3, 9), "2024-03-09"},
      {EncodeDate(2024, 2, 29) + EncodeTime(14, 5, 30), "2024-02-29 14:05:30"},
      {EncodeDate(1, 1, 1), "0001-01-01"},
      {EncodeDate(1899, 12, 30) + EncodeTime(23, 59, 59), "1899-12-30 23:59:59"},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(DateTimeToStr(c.Value), c.Text);
    EXPECT_DOUBLE_EQ(StrToDateTime(c.Text), c.Value) << c.Text;
  }
  EXPECT_EQ(TimeToStr(EncodeTime(7, 0, 5)), "07:00:05");
  EXPECT_DOUBLE_EQ(StrToTime(" 07:00 "), EncodeTime(7, 0, 0));
}

TEST(DateTimeText, TextThatNamesNoDayOrTimeRaisesEConvertError) {
  for (const char* bad : {"2024-13-01", "2023-02-29", "2024-3", "24-03-09x", "", "2024--03-09"})
    EXPECT_THROW(StrToDate(bad), EConvertError) << bad;
  for (const char* bad : {"12:60", "24:00", "7", "07:00:00:00", "ab:cd"})
    EXPECT_THROW(StrToTime(bad), EConvertError) << bad;
  try {
    StrToDateTime("2024-03-09 25:00");
    ADD_FAILURE();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'2024-03-09 25:00' is not a valid date and time");
  }
}

}  // namespace
