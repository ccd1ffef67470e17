#include "platform/controls/stdctrls/CustomEdit.h"

#include <QFontMetrics>
#include <QTextOption>
#include <algorithm>
#include <cstring>

#include "platform/controls/stdctrls/EditWidget.h"
#include "platform/controls/stdctrls/NativeLook.h"
#include "platform/graphics/QtGraphics.h"
#include "platform/windows/QtWindows.h"
#include "platform/windows/Windows.h"

namespace {

TEditWidget EditOf(HWND handle) { return TEditWidget(handle ? WindowWidget(handle) : nullptr); }

Qt::Alignment HorizontalAlignment(DWORD style) {
  if (style & ES_RIGHT) return Qt::AlignRight;
  if (style & ES_CENTER) return Qt::AlignHCenter;
  return Qt::AlignLeft;
}

}  // namespace

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  FControlStyle.Include(csFixedHeight);
  FParentColor = false;
  FColor = clWindow;
  FTabStop = true;
  SetBounds(0, 0, 121, 21);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  params.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL;
  if (FReadOnly) params.Style |= ES_READONLY;
  if (!FHideSelection) params.Style |= ES_NOHIDESEL;
  if (FCharCase == ecUpperCase) params.Style |= ES_UPPERCASE;
  if (FCharCase == ecLowerCase) params.Style |= ES_LOWERCASE;
  if (FPasswordChar != '\0') params.Style |= ES_PASSWORD;
}

QWidget* TCustomEdit::CreateNativeWidget(const TCreateParams& params, QWidget* parent) {
  QWidget* widget;
  FWindowStyle = params.Style;
  if (params.Style & ES_MULTILINE) {
    auto* multi = new QMultiLineEdit(parent);
    bool wrap = !(params.Style & (ES_AUTOHSCROLL | WS_HSCROLL));
    multi->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    multi->setHorizontalScrollBarPolicy((params.Style & WS_HSCROLL) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    multi->setVerticalScrollBarPolicy((params.Style & WS_VSCROLL) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    multi->setTabChangesFocus(true);
    QTextOption option = multi->document()->defaultTextOption();
    option.setAlignment(HorizontalAlignment(params.Style));
    multi->document()->setDefaultTextOption(option);
    multi->setFrameShape(FBorderStyle == bsSingle ? QFrame::StyledPanel : QFrame::NoFrame);
    multi->setReadOnly(params.Style & ES_READONLY);
    QObject::connect(multi, &QPlainTextEdit::textChanged, [this] {
      if (!FControlState.Contains(csCreating)) Change();
    });
    widget = multi;
  } else {
    auto* line = new QLineEdit(parent);
    line->setAlignment(HorizontalAlignment(params.Style) | Qt::AlignVCenter);
    line->setFrame(FBorderStyle == bsSingle);
    line->setReadOnly(params.Style & ES_READONLY);
    line->setMaxLength(FMaxLength > 0 ? FMaxLength : 32767);
    line->setEchoMode((params.Style & ES_PASSWORD) ? QLineEdit::Password : QLineEdit::Normal);
    QObject::connect(line, &QLineEdit::textChanged, [this] {
      if (!FControlState.Contains(csCreating)) Change();
    });
    widget = line;
  }
  return widget;
}

void TCustomEdit::CreateWnd() {
  inherited::CreateWnd();
  TEditWidget edit = EditOf(FHandle);
  edit.SetModified(FModified);
  UpdateLook();
  if (FHasTextRect) edit.SetTextRect(FTextRect, FWidth, FHeight);
  AdjustHeight();
}

void TCustomEdit::DestroyWnd() {
  FModified = EditOf(FHandle).Modified();
  inherited::DestroyWnd();
  FHasTextRect = false;
}

void TCustomEdit::UpdateLook() {
  if (FHandle) ApplyNativeLook(WindowWidget(FHandle), this, ncrBase);
}

bool TCustomEdit::Multiline() const {
  return FHandle && dynamic_cast<QMultiLineEdit*>(WindowWidget(FHandle)) != nullptr;
}

void TCustomEdit::AdjustHeight() {
  if (!FAutoSize || ComponentState().Contains(csLoading) || Multiline()) return;
  int textHeight = QFontMetrics(FontToQFont(*FFont)).height();
  SetHeight(textHeight + (FBorderStyle == bsSingle ? 8 : 2));
}

void TCustomEdit::SetAutoSize(bool value) {
  if (FAutoSize == value) return;
  FAutoSize = value;
  if (value)
    FControlStyle.Include(csFixedHeight);
  else
    FControlStyle.Exclude(csFixedHeight);
  AdjustHeight();
}

void TCustomEdit::SetBorderStyle(TBorderStyle value) {
  if (FBorderStyle == value) return;
  FBorderStyle = value;
  RecreateWnd();
  AdjustHeight();
}

std::string TCustomEdit::CasedText(const std::string& text) const {
  if (FCharCase == ecNormal) return text;
  QString s = QString::fromStdString(text);
  return (FCharCase == ecUpperCase ? s.toUpper() : s.toLower()).toStdString();
}

void TCustomEdit::SetCharCase(TEditCharCase value) {
  if (FCharCase == value) return;
  FCharCase = value;
  SetText(CasedText(Text()));
  RecreateWnd();
}

void TCustomEdit::SetHideSelection(bool value) {
  if (FHideSelection == value) return;
  FHideSelection = value;
  RecreateWnd();
}

void TCustomEdit::SetMaxLength(int32_t value) {
  FMaxLength = std::max(value, 0);
  if (auto* line = FHandle ? qobject_cast<QLineEdit*>(WindowWidget(FHandle)) : nullptr)
    line->setMaxLength(FMaxLength > 0 ? FMaxLength : 32767);
}

void TCustomEdit::SetPasswordChar(char value) {
  if (FPasswordChar == value) return;
  FPasswordChar = value;
  RecreateWnd();
}

void TCustomEdit::SetReadOnly(bool value) {
  FReadOnly = value;
  if (FHandle) EditOf(FHandle).SetReadOnly(value);
}

bool TCustomEdit::Modified() const { return FHandle ? EditOf(FHandle).Modified() : FModified; }

void TCustomEdit::SetModified(bool value) {
  FModified = value;
  if (FHandle) EditOf(FHandle).SetModified(value);
}

int32_t TCustomEdit::SelStart() const { return FHandle ? EditOf(FHandle).SelStart() : 0; }

void TCustomEdit::SetSelStart(int32_t value) { EditOf(Handle()).SetSel(value, 0); }

int32_t TCustomEdit::SelLength() const { return FHandle ? EditOf(FHandle).SelLength() : 0; }

void TCustomEdit::SetSelLength(int32_t value) {
  TEditWidget edit = EditOf(Handle());
  edit.SetSel(edit.SelStart(), std::max(value, 0));
}

std::string TCustomEdit::SelText() const { return FHandle ? EditOf(FHandle).SelText() : std::string(); }

void TCustomEdit::SetSelText(const std::string& value) { EditOf(Handle()).ReplaceSel(value); }

void TCustomEdit::SelectAll() { EditOf(Handle()).SetSel(0, -1); }

TRect TCustomEdit::TextRect() const { return FHasTextRect ? FTextRect : ClientRect(); }

void TCustomEdit::SetTextRect(const TRect& rect) {
  HWND handle = Handle();
  FTextRect = rect;
  FHasTextRect = true;
  EditOf(handle).SetTextRect(rect, FWidth, FHeight);
}

void TCustomEdit::Change() {
  if (ComponentState().Contains(csLoading) || ComponentState().Contains(csReading)) return;
  if (OnChange) OnChange(this);
}

void TCustomEdit::WMGetText(TMessage& message) {
  std::string text = EditOf(FHandle).Text();
  auto* out = reinterpret_cast<char*>(message.LParam);
  if (!out || message.WParam == 0) {
    message.Result = 0;
    return;
  }
  size_t n = std::min(text.size(), static_cast<size_t>(message.WParam) - 1);
  std::memcpy(out, text.data(), n);
  out[n] = '\0';
  message.Result = static_cast<LRESULT>(n);
}

void TCustomEdit::WMGetTextLength(TMessage& message) {
  message.Result = static_cast<LRESULT>(EditOf(FHandle).Text().size());
}

void TCustomEdit::WMSetText(TMessage& message) {
  const char* text = message.LParam ? reinterpret_cast<const char*>(message.LParam) : "";
  EditOf(FHandle).SetText(CasedText(text));
  message.Result = 1;
}

// Printable characters are typed here, after the form and OnKeyPress saw
// them (TWinControl's WM_CHAR handling), so that a character they changed,
// case conversion and the length limit of a multi-line window all hold; the
// native edit never sees them.
void TCustomEdit::DefaultHandler(TMessage& message) {
  // Enter in a multi-line window without ES_WANTRETURN belongs to the dialog.
  if (message.Msg == WM_KEYDOWN && message.WParam == VK_RETURN && (FWindowStyle & ES_MULTILINE) &&
      !(FWindowStyle & ES_WANTRETURN))
    return;
  if (message.Msg == WM_CHAR && FHandle) {
    WORD code = TWMKey(message).CharCode();
    bool printable = code >= 0x20 && code != 0x7F && (code < 0xD800 || code > 0xDFFF);
    if (printable) {
      if (FReadOnly) return;
      TEditWidget edit = EditOf(FHandle);
      if (FMaxLength > 0 && edit.Length() - edit.SelLength() >= FMaxLength) return;
      edit.ReplaceSel(CasedText(QString(QChar(static_cast<char16_t>(code))).toStdString()));
      edit.SetModified(true);
      return;
    }
  }
  inherited::DefaultHandler(message);
}

void TCustomEdit::WMSetFocus(TMessage& message) {
  DispatchFrom(inherited::ClassMessageTable(), message);
  if (FAutoSelect && !Multiline() && FHandle && !FControlState.Contains(csLButtonDown)) SelectAll();
}

void TCustomEdit::WMSize(TMessage& message) {
  DispatchFrom(inherited::ClassMessageTable(), message);
  if (FHasTextRect && FHandle) EditOf(FHandle).SetTextRect(FTextRect, FWidth, FHeight);
}

void TCustomEdit::EMGetSel(TMessage& message) {
  TEditWidget edit = EditOf(FHandle);
  DWORD start = static_cast<DWORD>(edit.SelStart());
  DWORD end = start + static_cast<DWORD>(edit.SelLength());
  if (auto* p = reinterpret_cast<DWORD*>(message.WParam)) *p = start;
  if (auto* p = reinterpret_cast<DWORD*>(message.LParam)) *p = end;
  message.Result = MAKELRESULT(static_cast<WORD>(start), static_cast<WORD>(end));
}

void TCustomEdit::EMSetSel(TMessage& message) {
  auto start = static_cast<int32_t>(message.WParam);
  auto end = static_cast<int32_t>(message.LParam);
  TEditWidget edit = EditOf(FHandle);
  if (start < 0) {
    edit.SetSel(edit.SelStart(), 0);
    return;
  }
  edit.SetSel(start, end < 0 ? -1 : std::max(end - start, 0));
}

void TCustomEdit::EMGetRect(TMessage& message) {
  if (auto* r = reinterpret_cast<RECT*>(message.LParam)) *r = TextRect();
}

void TCustomEdit::EMSetRect(TMessage& message) {
  if (auto* r = reinterpret_cast<const RECT*>(message.LParam)) {
    FTextRect = *r;
    FHasTextRect = true;
  } else {
    FTextRect = ClientRect();
    FHasTextRect = false;
  }
  EditOf(FHandle).SetTextRect(FTextRect, FWidth, FHeight);
  if (message.Msg == EM_SETRECT) Invalidate();
}

void TCustomEdit::EMGetModify(TMessage& message) { message.Result = EditOf(FHandle).Modified() ? 1 : 0; }

void TCustomEdit::EMSetModify(TMessage& message) { EditOf(FHandle).SetModified(message.WParam != 0); }

void TCustomEdit::EMReplaceSel(TMessage& message) {
  EditOf(FHandle).ReplaceSel(message.LParam ? reinterpret_cast<const char*>(message.LParam) : "");
}

void TCustomEdit::EMLimitText(TMessage& message) { SetMaxLength(static_cast<int32_t>(message.WParam)); }

void TCustomEdit::EMSetReadOnly(TMessage& message) {
  SetReadOnly(message.WParam != 0);
  message.Result = 1;
}

void TCustomEdit::CMTextChanged(TMessage&) {
  // With a window, the window reported the change itself.
  if (!FHandle) Change();
}

void TCustomEdit::CMFontChanged(TMessage&) {
  UpdateLook();
  AdjustHeight();
}

void TCustomEdit::CMColorChanged(TMessage&) { UpdateLook(); }

void TCustomEdit::Messages(TMessageMap<TCustomEdit>& m) {
  m.On<&TCustomEdit::WMGetText>(WM_GETTEXT);
  m.On<&TCustomEdit::WMGetTextLength>(WM_GETTEXTLENGTH);
  m.On<&TCustomEdit::WMSetText>(WM_SETTEXT);
  m.On<&TCustomEdit::WMSetFocus>(WM_SETFOCUS);
  m.On<&TCustomEdit::WMSize>(WM_SIZE);
  m.On<&TCustomEdit::EMGetSel>(EM_GETSEL);
  m.On<&TCustomEdit::EMSetSel>(EM_SETSEL);
  m.On<&TCustomEdit::EMGetRect>(EM_GETRECT);
  m.On<&TCustomEdit::EMSetRect>(EM_SETRECT);
  m.On<&TCustomEdit::EMSetRect>(EM_SETRECTNP);
  m.On<&TCustomEdit::EMGetModify>(EM_GETMODIFY);
  m.On<&TCustomEdit::EMSetModify>(EM_SETMODIFY);
  m.On<&TCustomEdit::EMReplaceSel>(EM_REPLACESEL);
  m.On<&TCustomEdit::EMLimitText>(EM_LIMITTEXT);
  m.On<&TCustomEdit::EMSetReadOnly>(EM_SETREADONLY);
  m.On<&TCustomEdit::CMTextChanged>(CM_TEXTCHANGED);
  m.On<&TCustomEdit::CMFontChanged>(CM_FONTCHANGED);
  m.On<&TCustomEdit::CMColorChanged>(CM_COLORCHANGED);
}
