#include "StandardGlyphs.h"

using namespace GlyphColors;

// The drawings share their parts: windows fields, buttons, text lines and
// arrows look the same wherever they appear.
namespace {

// A short run of "text" on a field: a line of pixels standing for words.
void TextLine(GlyphCanvas& c, int x1, int x2, int y, QRgb color = Black) { c.Fill(x1, y, x2, y, color); }

void DownArrow(GlyphCanvas& c, int x, int y, QRgb color = Black) {
  c.Fill(x, y, x + 4, y, color);
  c.Fill(x + 1, y + 1, x + 3, y + 1, color);
  c.Pixel(x + 2, y + 2, color);
}

void ArrowButton(GlyphCanvas& c, int x1, int y1, int x2, int y2) { c.Raised(x1, y1, x2, y2); }

void Tick(GlyphCanvas& c, int x, int y, char color) {
  const char* shape[] = {"......#", ".....##", "#...###", "##.###.", "#####..", ".###...", "..#...."};
  for (int r = 0; r < 7; ++r) {
    std::string line = shape[r];
    for (char& p : line) p = p == '#' ? color : '.';
    c.Sprite(x, y + r, {line.c_str()});
  }
}

void RadioCircle(GlyphCanvas& c, int x, int y, bool checked) {
  c.Ellipse(x, y, x + 9, y + 9, Dark, White);
  if (checked) c.Ellipse(x + 3, y + 3, x + 6, y + 6, Black, Black);
}

void SmallRadio(GlyphCanvas& c, int x, int y, bool checked) {
  if (checked) c.Sprite(x, y, {".dd.", "dkkd", "dkkd", ".dd."});
  else c.Sprite(x, y, {".dd.", "dwwd", "dwwd", ".dd."});
}

void OpenFolder(GlyphCanvas& c, int x, int y) {
  c.Sprite(x, y, {".kkkk.........",
                  "kyyyyk........",
                  "kyyyyykkkkkk..",
                  "kyyyyyyyyyyk..",
                  "kyyykkkkkkkkkk",
                  "kyykoooooooook",
                  "kyykooooooook.",
                  "kykoooooooook.",
                  "kykooooooook..",
                  "kkoooooooook..",
                  "kkkkkkkkkkk..."});
}

void Disk(GlyphCanvas& c, int x, int y) {
  c.Sprite(x, y, {"kkkkkkkkkkkkk.",
                  "knkwwwwwwwknkk",
                  "knkwwwwwwwknnk",
                  "knkwwwwwwwknnk",
                  "knkwwwwwwwknnk",
                  "knnkkkkkkknnnk",
                  "knnnnnnnnnnnnk",
                  "knnkkkkkkkknnk",
                  "knnkgggwwgknnk",
                  "knnkgggwwgknnk",
                  "knnkgggwwgknnk",
                  ".kkkkkkkkkkkkk"});
}

// A little landscape: sky, sun and a green hill, in a black frame.
void Landscape(GlyphCanvas& c, int x1, int y1, int x2, int y2) {
  c.Box(x1, y1, x2, y2, Black, Aqua);
  c.Fill(x2 - 4, y1 + 2, x2 - 3, y1 + 3, Yellow);
  c.Pixel(x2 - 5, y1 + 2, Yellow), c.Pixel(x2 - 2, y1 + 3, Yellow);
  for (int x = x1 + 1; x < x2; ++x) {
    const int dx = x - (x1 + (x2 - x1) / 3);
    const int top = (y2 - 3) + (dx * dx) / 10 - 2;
    for (int y = std::max(top, y1 + 3); y < y2; ++y) c.Pixel(x, y, Green);
  }
  c.Fill(x1 + 1, y2 - 1, x2 - 1, y2 - 1, Green);
}

void Binoculars(GlyphCanvas& c, int x, int y) {
  c.Sprite(x, y, {".kkkk......kkkk.",
                  ".kggk......kggk.",
                  "kkggkk....kkggkk",
                  "kgggdkkkkkkgggdk",
                  "kgggdkggdkkgggdk",
                  "kgggdkkkkkkgggdk",
                  "kgggdk....kgggdk",
                  "kkkkkk....kkkkkk",
                  "kaaaak....kaaaak",
                  "kawaak....kawaak",
                  "kaaaak....kaaaak",
                  ".kkkk......kkkk."});
}

// A window-like frame for the dialogs that pick a picture: the landscape
// in the corner of the folder or disk.
void PictureCorner(GlyphCanvas& c) { Landscape(c, 13, 12, 22, 21); }

void GridLines(GlyphCanvas& c, int fixedRight, int fixedBottom) {
  c.Box(1, 2, 22, 21, Black, White);
  c.Fill(2, 3, 21, fixedBottom, Face);
  c.Fill(2, 3, fixedRight, 20, Face);
  for (int x : {fixedRight + 1, 14}) c.Fill(x, 3, x, 20, Shadow);
  for (int y : {fixedBottom + 1, 13}) c.Fill(2, y, 21, y, Shadow);
  c.Fill(fixedRight + 1, 3, fixedRight + 1, 20, Black);
  c.Fill(2, fixedBottom + 1, 21, fixedBottom + 1, Black);
}

// ---- Standard ---------------------------------------------------------

void MainMenu(GlyphCanvas& c) {
  c.Box(1, 2, 22, 8, Black, Face);
  c.Fill(3, 3, 9, 7, Navy);
  TextLine(c, 4, 8, 5, White);
  TextLine(c, 11, 15, 5);
  TextLine(c, 17, 20, 5);
  c.Box(3, 8, 16, 20, Black, White);
  c.Fill(16, 9, 17, 21, Shadow), c.Fill(4, 21, 17, 21, Shadow);
  for (int y : {11, 14, 17}) TextLine(c, 5, y == 14 ? 11 : 13, y);
}

void PopupMenu(GlyphCanvas& c) {
  c.Box(6, 4, 20, 20, Black, White);
  c.Fill(21, 5, 21, 21, Shadow), c.Fill(7, 21, 21, 21, Shadow);
  c.Fill(7, 9, 19, 12, Navy);
  for (int y : {7, 15, 18}) TextLine(c, 9, y == 15 ? 14 : 17, y);
  TextLine(c, 9, 16, 10, White);
  c.Sprite(1, 1, {"k.....",
                  "kk....",
                  "kwk...",
                  "kwwk..",
                  "kwwwk.",
                  "kwwwwk",
                  "kwwkkk",
                  "kkwk..",
                  "k.kwk.",
                  "..kk.."});
}

void Label(GlyphCanvas& c) {
  c.Sprite(5, 3, {"......nnn.....",
                  "......nnn.....",
                  ".....nnnnn....",
                  ".....nn.nn....",
                  "....nnn.nnn...",
                  "....nn...nn...",
                  "...nnn...nnn..",
                  "...nnnnnnnnn..",
                  "..nnnnnnnnnnn.",
                  "..nn.......nn.",
                  ".nnn.......nnn",
                  ".nn.........nn",
                  "nnnn.......nnnn"});
  TextLine(c, 2, 21, 19, Shadow);
}

void Edit(GlyphCanvas& c) {
  c.Sunken(1, 6, 22, 17);
  c.Text(4, 9, "ab", Black);
  c.Fill(13, 8, 13, 15, Black);
  c.Pixel(12, 8, Black), c.Pixel(14, 8, Black), c.Pixel(12, 15, Black), c.Pixel(14, 15, Black);
}

void Memo(GlyphCanvas& c) {
  c.Sunken(2, 1, 21, 22);
  const int ends[] = {17, 14, 18, 11, 16, 13};
  for (int i = 0; i < 6; ++i) TextLine(c, 5, ends[i], 5 + 3 * i);
}

void Button(GlyphCanvas& c) {
  c.Raised(1, 5, 22, 18);
  c.Text(8, 9, "OK", Black);
}

void CheckBox(GlyphCanvas& c) {
  c.Sunken(1, 6, 11, 16);
  Tick(c, 3, 8, 'k');
  TextLine(c, 14, 22, 11);
}

void RadioButton(GlyphCanvas& c) {
  RadioCircle(c, 2, 7, true);
  TextLine(c, 13, 22, 11);
}

void ListBox(GlyphCanvas& c) {
  c.Sunken(1, 1, 22, 22);
  for (int i = 0; i < 6; ++i) TextLine(c, 5, i % 2 ? 14 : 17, 5 + 3 * i);
  c.Fill(3, 9, 19, 13, Navy);
  TextLine(c, 5, 15, 11, White);
}

void ComboBox(GlyphCanvas& c) {
  c.Sunken(1, 2, 22, 12);
  TextLine(c, 5, 10, 7);
  ArrowButton(c, 12, 4, 20, 10);
  DownArrow(c, 14, 6);
  c.Box(1, 12, 22, 21, Black, White);
  c.Fill(2, 13, 21, 16, Navy);
  TextLine(c, 5, 14, 14, White);
  TextLine(c, 5, 16, 18);
}

void ScrollBar(GlyphCanvas& c) {
  c.Box(1, 7, 22, 16, Black, White);
  for (int y = 8; y <= 15; ++y)
    for (int x = 2 + (y % 2); x <= 21; x += 2) c.Pixel(x, y, Face);
  ArrowButton(c, 1, 7, 8, 16);
  c.Sprite(3, 9, {"..k", ".kk", "kkk", ".kk", "..k"});
  c.Raised(10, 7, 15, 16);
  ArrowButton(c, 15, 7, 22, 16);
  c.Sprite(18, 9, {"k..", "kk.", "kkk", "kk.", "k.."});
}

void GroupBox(GlyphCanvas& c) {
  c.Etched(1, 5, 22, 22);
  c.Fill(4, 4, 13, 7, Background);
  c.Text(5, 3, "ab", Black);
  TextLine(c, 5, 16, 13, Shadow);
}

void RadioGroup(GlyphCanvas& c) {
  c.Etched(1, 3, 22, 22);
  c.Fill(4, 2, 13, 5, Background);
  c.Text(5, 1, "ab", Black);
  for (int i = 0; i < 3; ++i) {
    SmallRadio(c, 5, 7 + 5 * i, i == 1);
    TextLine(c, 11, 18, 8 + 5 * i);
  }
}

void Panel(GlyphCanvas& c) {
  c.Raised(1, 4, 22, 19);
  c.Frame(4, 7, 19, 16, Shadow);
  c.Fill(5, 8, 19, 8, Dark);
  c.Fill(4, 16, 19, 16, White), c.Fill(19, 7, 19, 16, White);
  TextLine(c, 8, 15, 12);
}

// ---- Additional -------------------------------------------------------

void BitBtn(GlyphCanvas& c) {
  c.Raised(1, 5, 22, 18);
  Tick(c, 3, 8, 'G');
  c.Text(12, 9, "OK", Black);
}

void SpeedButton(GlyphCanvas& c) {
  c.Raised(3, 3, 20, 20);
  c.Sprite(7, 7, {"....k...",
                  "....kk..",
                  "kkkkklk.",
                  "klllllllk",
                  "kGGGGGGk",
                  "kkkkkGk.",
                  "....kk..",
                  "....k..."});
}

void StringGrid(GlyphCanvas& c) {
  GridLines(c, 6, 6);
  c.Text(9, 8, "a", Black);
  c.Text(17, 8, "b", Black);
  c.Text(9, 15, "c", Black);
  c.Text(17, 15, "a", Black);
}

void DrawGrid(GlyphCanvas& c) {
  GridLines(c, 6, 6);
  c.Box(9, 8, 12, 11, Black, Red);
  c.Ellipse(16, 8, 20, 12, Black, Yellow);
  c.Box(9, 15, 12, 19, Black, Lime);
  c.Box(16, 15, 20, 19, Black, Blue);
}

void Image(GlyphCanvas& c) { Landscape(c, 1, 3, 22, 20); }

void Shape(GlyphCanvas& c) {
  c.Box(1, 8, 13, 21, Black, Blue);
  c.Ellipse(8, 1, 22, 15, Black, Yellow);
}

void Bevel(GlyphCanvas& c) {
  c.Frame(2, 3, 21, 20, Shadow);
  c.Frame(3, 4, 22, 21, White);
  c.Fill(3, 4, 20, 4, White), c.Fill(3, 4, 3, 19, White);
  c.Fill(3, 19, 20, 19, Shadow), c.Fill(20, 4, 20, 19, Shadow);
}

// A box whose content runs on under its scroll bars.
void ScrollBox(GlyphCanvas& c) {
  c.Sunken(1, 1, 22, 22, Face);
  c.Raised(6, 6, 18, 13);
  TextLine(c, 9, 15, 9);
  c.Box(16, 2, 21, 17, Black, White);
  c.Box(16, 5, 21, 10, Black, Face);
  c.Box(2, 16, 17, 21, Black, White);
  c.Box(5, 16, 11, 21, Black, Face);
  c.Fill(18, 18, 21, 21, Face);
}

void Splitter(GlyphCanvas& c) {
  c.Box(1, 3, 9, 20, Black, Face);
  c.Box(14, 3, 22, 20, Black, Face);
  c.Fill(10, 3, 13, 20, Shadow);
  c.Sprite(4, 8, {"...k......k...",
                  "..kk.kkkk.kk..",
                  ".kwkkwkkwkkwk.",
                  "kwwwwwkkwwwwwk",
                  ".kwkkwkkwkkwk.",
                  "..kk.kkkk.kk..",
                  "...k......k..."});
}

// ---- Win32 ------------------------------------------------------------

// A row of three tabs, the first one selected and joined to the body below.
void Tabs(GlyphCanvas& c) {
  c.Raised(1, 8, 22, 21);
  for (int x1 : {9, 15}) {
    c.Box(x1, 4, x1 + 6, 8, Black, Face);
    c.Fill(x1 + 1, 5, x1 + 5, 5, White);
    TextLine(c, x1 + 2, x1 + 4, 6);
  }
  c.Box(1, 2, 9, 8, Black, Face);
  c.Fill(2, 3, 8, 3, White), c.Fill(2, 3, 2, 9, White);
  c.Fill(3, 8, 8, 9, Face);
  TextLine(c, 4, 7, 5);
}

void TabControl(GlyphCanvas& c) { Tabs(c); }

void PageControl(GlyphCanvas& c) {
  Tabs(c);
  c.Sunken(4, 12, 19, 18);
  TextLine(c, 6, 15, 15);
}

void RichEdit(GlyphCanvas& c) {
  c.Sunken(2, 1, 21, 22);
  c.Sprite(5, 4, {"rrrr.", "r...r", "rrrr.", "r..r.", "r...r"});
  TextLine(c, 11, 17, 8, Navy);
  TextLine(c, 5, 18, 11, Blue);
  TextLine(c, 5, 13, 14, Green);
  TextLine(c, 15, 18, 14, Red);
  TextLine(c, 5, 16, 17, Black);
}

void TrackBar(GlyphCanvas& c) {
  c.Sunken(2, 7, 21, 10, White);
  for (int x = 3; x <= 21; x += 3) c.Fill(x, 19, x, 21, Black);
  c.Sprite(7, 3, {"wwwwwk",
                  "wffffk",
                  "wffgfk",
                  "wffgfk",
                  "wffgfk",
                  "wffgfk",
                  "wffgfk",
                  "wffgfk",
                  ".wfgk.",
                  "..wk.."});
  c.Fill(8, 4, 10, 11, Face);
}

void ProgressBar(GlyphCanvas& c) {
  c.Sunken(1, 7, 22, 16, Face);
  for (int x = 3; x <= 14; x += 4) c.Fill(x, 9, x + 2, 14, Navy);
}

void StatusBar(GlyphCanvas& c) {
  c.Box(1, 2, 22, 21, Black, White);
  c.Fill(2, 3, 21, 5, Navy);
  c.Fill(2, 15, 21, 20, Face);
  c.Fill(2, 15, 21, 15, Shadow);
  for (int x1 : {3, 12}) {
    const int x2 = x1 == 3 ? 10 : 17;
    c.Frame(x1, 16, x2, 19, Shadow);
    c.Fill(x1 + 1, 19, x2, 19, White), c.Fill(x2, 17, x2, 19, White);
  }
  for (int i = 0; i < 3; ++i) c.Line(19 + i, 20, 21, 18 + i, Shadow);
}

// ---- System -----------------------------------------------------------

void Timer(GlyphCanvas& c) {
  c.Fill(10, 1, 13, 2, Black);
  c.Fill(11, 3, 12, 3, Black);
  c.Ellipse(3, 4, 20, 21, Black, White);
  c.Ellipse(4, 5, 19, 20, Shadow, White);
  for (auto [x, y] : {std::pair{11, 6}, {11, 19}, {5, 12}, {18, 12}}) c.Fill(x, y, x + 1, y + 1 - (y == 6 || y == 19 ? 0 : 1), Black);
  c.Fill(11, 8, 12, 13, Black);
  c.Line(12, 13, 16, 13, Red);
  c.Line(12, 12, 16, 12, Red);
}

void PaintBox(GlyphCanvas& c) {
  c.Box(1, 1, 22, 22, Black, White);
  for (int i = 2; i <= 21; i += 2) c.Pixel(i, 1, White), c.Pixel(i, 22, White), c.Pixel(1, i, White), c.Pixel(22, i, White);
  c.Line(3, 18, 6, 14, Red), c.Line(6, 14, 9, 17, Red), c.Line(9, 17, 11, 13, Red);
  c.Line(3, 19, 6, 15, Red), c.Line(6, 15, 9, 18, Red), c.Line(9, 18, 11, 14, Red);
  c.Sprite(10, 3, {".........kk",
                   "........kmk",
                   ".......kmk.",
                   "......kmk..",
                   ".....kmk...",
                   "....kgk....",
                   "...kgwk....",
                   "..kbbk.....",
                   ".kbbbk.....",
                   "kbbbk......",
                   "kbk........"});
}

// ---- Dialogs ----------------------------------------------------------

void OpenDialog(GlyphCanvas& c) { OpenFolder(c, 5, 7); }

void SaveDialog(GlyphCanvas& c) { Disk(c, 5, 6); }

void OpenPictureDialog(GlyphCanvas& c) {
  OpenFolder(c, 1, 3);
  PictureCorner(c);
}

void SavePictureDialog(GlyphCanvas& c) {
  Disk(c, 1, 2);
  PictureCorner(c);
}

void FontDialog(GlyphCanvas& c) {
  c.Sprite(3, 3, {"kkkkkkkkkk",
                  ".kkk....kk",
                  ".kkk.....k",
                  ".kkk..k...",
                  ".kkk.kk...",
                  ".kkkkkk...",
                  ".kkk.kk...",
                  ".kkk..k...",
                  ".kkk......",
                  ".kkk......",
                  "kkkkk....."});
  c.Text(15, 14, "A", Red);
  c.Fill(14, 20, 19, 20, Red);
}

void ColorDialog(GlyphCanvas& c) {
  const QRgb colors[] = {Red, Yellow, Lime, Aqua, Blue, Purple, Maroon, Olive, Green, Teal, Navy, Black, White, Face, Shadow, Dark};
  for (int i = 0; i < 16; ++i) {
    const int x = 2 + (i % 4) * 5, y = 2 + (i / 4) * 5;
    c.Box(x, y, x + 4, y + 4, Black, colors[i]);
  }
}

void PrinterSetupDialog(GlyphCanvas& c) {
  c.Box(6, 2, 17, 10, Black, White);
  TextLine(c, 8, 15, 5), TextLine(c, 8, 13, 7);
  c.Box(2, 9, 21, 18, Black, Face);
  c.Fill(3, 10, 20, 10, White);
  c.Fill(3, 17, 20, 17, Shadow);
  c.Fill(16, 12, 18, 13, Lime);
  c.Box(5, 17, 18, 21, Black, Shadow);
  c.Fill(6, 18, 17, 18, Dark);
}

void FindDialog(GlyphCanvas& c) {
  Binoculars(c, 4, 6);
}

void ReplaceDialog(GlyphCanvas& c) {
  Binoculars(c, 1, 1);
  c.Text(3, 16, "a", Black);
  c.Sprite(8, 16, {"....k.", "kkkkkk", "kkkkkkk", "kkkkkk", "....k."});
  c.Text(16, 16, "b", Red);
}

}  // namespace

const std::vector<GlyphDrawing>& StandardGlyphs() {
  static const std::vector<GlyphDrawing> drawings = {
      {"TMainMenu", MainMenu},
      {"TPopupMenu", PopupMenu},
      {"TLabel", Label},
      {"TEdit", Edit},
      {"TMemo", Memo},
      {"TButton", Button},
      {"TCheckBox", CheckBox},
      {"TRadioButton", RadioButton},
      {"TListBox", ListBox},
      {"TComboBox", ComboBox},
      {"TScrollBar", ScrollBar},
      {"TGroupBox", GroupBox},
      {"TRadioGroup", RadioGroup},
      {"TPanel", Panel},
      {"TBitBtn", BitBtn},
      {"TSpeedButton", SpeedButton},
      {"TStringGrid", StringGrid},
      {"TDrawGrid", DrawGrid},
      {"TImage", Image},
      {"TShape", Shape},
      {"TBevel", Bevel},
      {"TScrollBox", ScrollBox},
      {"TSplitter", Splitter},
      {"TTabControl", TabControl},
      {"TPageControl", PageControl},
      {"TRichEdit", RichEdit},
      {"TTrackBar", TrackBar},
      {"TProgressBar", ProgressBar},
      {"TStatusBar", StatusBar},
      {"TTimer", Timer},
      {"TPaintBox", PaintBox},
      {"TOpenDialog", OpenDialog},
      {"TSaveDialog", SaveDialog},
      {"TOpenPictureDialog", OpenPictureDialog},
      {"TSavePictureDialog", SavePictureDialog},
      {"TFontDialog", FontDialog},
      {"TColorDialog", ColorDialog},
      {"TPrinterSetupDialog", PrinterSetupDialog},
      {"TFindDialog", FindDialog},
      {"TReplaceDialog", ReplaceDialog},
  };
  return drawings;
}
