#include "platform/controls/Screen.h"

#include <QCursor>
#include <QFontDatabase>
#include <algorithm>

#include "platform/controls/Form.h"
#include "platform/core/Exceptions.h"
#include "platform/windows/QtWindows.h"
#include "platform/windows/Windows.h"

TScreen* Screen = nullptr;

namespace {

struct TStandardCursor {
  TCursor Cursor;
  const char* Id;            // a standard cursor of the windows layer, or null
  Qt::CursorShape Shape;     // otherwise made from this shape
};

const TStandardCursor StandardCursors[] = {
    {crArrow, IDC_ARROW, Qt::ArrowCursor},       {crCross, IDC_CROSS, Qt::CrossCursor},
    {crIBeam, IDC_IBEAM, Qt::IBeamCursor},       {crSize, IDC_SIZEALL, Qt::SizeAllCursor},
    {crSizeNESW, IDC_SIZENESW, Qt::SizeBDiagCursor}, {crSizeNS, IDC_SIZENS, Qt::SizeVerCursor},
    {crSizeNWSE, IDC_SIZENWSE, Qt::SizeFDiagCursor}, {crSizeWE, IDC_SIZEWE, Qt::SizeHorCursor},
    {crUpArrow, IDC_UPARROW, Qt::UpArrowCursor}, {crHourGlass, IDC_WAIT, Qt::WaitCursor},
    {crDrag, nullptr, Qt::DragMoveCursor},       {crNoDrop, nullptr, Qt::ForbiddenCursor},
    {crHSplit, nullptr, Qt::SplitHCursor},       {crVSplit, nullptr, Qt::SplitVCursor},
    {crMultiDrag, nullptr, Qt::DragCopyCursor},  {crSQLWait, nullptr, Qt::BusyCursor},
    {crNo, IDC_NO, Qt::ForbiddenCursor},         {crAppStart, IDC_APPSTARTING, Qt::BusyCursor},
    {crHelp, IDC_HELP, Qt::WhatsThisCursor},     {crHandPoint, IDC_HAND, Qt::PointingHandCursor},
    {crSizeAll, IDC_SIZEALL, Qt::SizeAllCursor},
};

}  // namespace

TScreen::TScreen(TComponent* owner) : TComponent(owner) {
  FCursors[crDefault] = LoadCursor(nullptr, IDC_ARROW);
  FCursors[crNone] = nullptr;
  for (const TStandardCursor& c : StandardCursors) {
    HCURSOR handle = c.Id ? LoadCursor(nullptr, c.Id) : nullptr;
    if (!handle) {
      handle = CreateCursorHandle(QCursor(c.Shape));
      FMadeCursors.push_back(handle);
    }
    FCursors[c.Cursor] = handle;
  }
}

TScreen::~TScreen() {
  for (HCURSOR c : FMadeCursors) DestroyCursor(c);
  delete FFonts;
}

int32_t TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }
int32_t TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }

void TScreen::SetCursor(TCursor value) {
  if (FCursor == value) return;
  FCursor = value;
  ::SetCursor(Cursors(value == crDefault ? crArrow : value));
}

HCURSOR TScreen::Cursors(int32_t index) const {
  auto it = FCursors.find(index);
  return it != FCursors.end() ? it->second : FCursors.at(crDefault);
}

void TScreen::SetCursors(int32_t index, HCURSOR handle) {
  if (index == crDefault) return;  // the arrow stays what crDefault means
  FCursors[index] = handle;
}

TWinControl* TScreen::ActiveControl() const {
  return FActiveForm ? FActiveForm->ActiveControl() : nullptr;
}

TCustomForm* TScreen::Forms(int32_t index) const {
  if (index < 0 || index >= FormCount())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return FForms[static_cast<size_t>(index)];
}

TStrings* TScreen::Fonts() {
  if (!FFonts) {
    FFonts = new TStringList;
    for (const QString& family : QFontDatabase::families()) FFonts->Add(family.toStdString());
    FFonts->SetSorted(true);
  }
  return FFonts;
}

void TScreen::AddForm(TCustomForm* form) {
  if (std::find(FForms.begin(), FForms.end(), form) == FForms.end()) FForms.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form) {
  FForms.erase(std::remove(FForms.begin(), FForms.end(), form), FForms.end());
  if (FActiveForm == form) FActiveForm = nullptr;
}

void TScreen::SetActiveForm(TCustomForm* form) {
  FActiveForm = form;
  // The active form comes first, as the platform keeps its forms in z-order.
  auto it = std::find(FForms.begin(), FForms.end(), form);
  if (it != FForms.end()) std::rotate(FForms.begin(), it, it + 1);
}
