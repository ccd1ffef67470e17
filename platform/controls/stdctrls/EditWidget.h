#pragma once
// The Qt side of edit windows (internal to the standard controls): a
// single-line edit is a QLineEdit, the multi-line style a QPlainTextEdit.
// TEditWidget answers the edit operations the same way for both, in
// character positions of the text as the user sees it.

#include <QLineEdit>
#include <QPlainTextEdit>
#include <string>

#include "platform/core/Types.h"

// A plain text edit whose text rectangle can be narrowed (the viewport
// margins are protected in Qt).
class QMultiLineEdit : public QPlainTextEdit {
 public:
  using QPlainTextEdit::QPlainTextEdit;
  using QPlainTextEdit::setViewportMargins;
};

class TEditWidget {
 public:
  explicit TEditWidget(QWidget* widget)
      : FLine(qobject_cast<QLineEdit*>(widget)), FMulti(dynamic_cast<QMultiLineEdit*>(widget)) {}
  bool Valid() const { return FLine || FMulti; }

  std::string Text() const;
  void SetText(const std::string& text);
  int Length() const;
  int SelStart() const;
  int SelLength() const;
  void SetSel(int start, int length);
  std::string SelText() const;
  void ReplaceSel(const std::string& text);
  bool Modified() const;
  void SetModified(bool value);
  void SetReadOnly(bool value);
  // Keeps the text inside rect (client coordinates) of a widget of size.
  void SetTextRect(const TRect& rect, int width, int height);

 private:
  QLineEdit* FLine;
  QMultiLineEdit* FMulti;
};
