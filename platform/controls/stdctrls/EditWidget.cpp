#include "platform/controls/stdctrls/EditWidget.h"

#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>

namespace {

QString FromUtf8(const std::string& s) { return QString::fromStdString(s); }

// Qt hands out selected paragraphs separated by U+2029; callers want LF.
std::string PlainSelection(QString text) {
  text.replace(QChar(0x2029), QChar('\n'));
  return text.toStdString();
}

}  // namespace

std::string TEditWidget::Text() const {
  if (FLine) return FLine->text().toStdString();
  if (FMulti) return FMulti->toPlainText().toStdString();
  return {};
}

void TEditWidget::SetText(const std::string& text) {
  if (FLine) FLine->setText(FromUtf8(text));
  if (FMulti) FMulti->setPlainText(FromUtf8(text));
}

int TEditWidget::Length() const {
  if (FLine) return static_cast<int>(FLine->text().size());
  if (FMulti) return FMulti->document()->characterCount() - 1;
  return 0;
}

int TEditWidget::SelStart() const {
  if (FLine) return FLine->hasSelectedText() ? FLine->selectionStart() : FLine->cursorPosition();
  if (FMulti) return FMulti->textCursor().selectionStart();
  return 0;
}

int TEditWidget::SelLength() const {
  if (FLine) return FLine->hasSelectedText() ? FLine->selectionLength() : 0;
  if (FMulti) {
    QTextCursor c = FMulti->textCursor();
    return c.selectionEnd() - c.selectionStart();
  }
  return 0;
}

void TEditWidget::SetSel(int start, int length) {
  int size = Length();
  start = std::clamp(start, 0, size);
  int end = length < 0 ? size : std::clamp(start + length, start, size);
  if (FLine) {
    if (end > start)
      FLine->setSelection(start, end - start);
    else {
      FLine->deselect();
      FLine->setCursorPosition(start);
    }
  }
  if (FMulti) {
    QTextCursor c = FMulti->textCursor();
    c.setPosition(start);
    c.setPosition(end, QTextCursor::KeepAnchor);
    FMulti->setTextCursor(c);
  }
}

std::string TEditWidget::SelText() const {
  if (FLine) return FLine->selectedText().toStdString();
  if (FMulti) return PlainSelection(FMulti->textCursor().selectedText());
  return {};
}

void TEditWidget::ReplaceSel(const std::string& text) {
  if (FLine) FLine->insert(FromUtf8(text));
  if (FMulti) FMulti->insertPlainText(FromUtf8(text));
}

bool TEditWidget::Modified() const {
  if (FLine) return FLine->isModified();
  if (FMulti) return FMulti->document()->isModified();
  return false;
}

void TEditWidget::SetModified(bool value) {
  if (FLine) FLine->setModified(value);
  if (FMulti) FMulti->document()->setModified(value);
}

void TEditWidget::SetReadOnly(bool value) {
  if (FLine) FLine->setReadOnly(value);
  if (FMulti) FMulti->setReadOnly(value);
}

void TEditWidget::SetTextRect(const TRect& rect, int width, int height) {
  int left = std::max(rect.Left, 0);
  int top = std::max(rect.Top, 0);
  int right = std::max(width - rect.Right, 0);
  int bottom = std::max(height - rect.Bottom, 0);
  if (FLine) FLine->setTextMargins(left, top, right, bottom);
  if (FMulti) FMulti->setViewportMargins(left, top, right, bottom);
}
