#include "platform/controls/extctrls/RichEdit.h"

#include <string_view>

#include "platform/controls/stdctrls/MemoPublishing.h"
#include "platform/classes/Strings.h"
#include "platform/controls/Form.h"

TRichEdit::TRichEdit(TComponent* owner) : TCustomMemo(owner) { SetBounds(0, 0, 185, 89); }

void TRichEdit::Publish(TPublisher<TRichEdit>& p) {
  PublishMemo(p, [&p](const std::string_view next) {
    if (next == "HideSelection")
      p.Property("HideScrollBars", &TRichEdit::HideScrollBars, &TRichEdit::SetHideScrollBars)
          .Default(true);
    else if (next == "PopupMenu")
      p.Property("PlainText", &TRichEdit::PlainText, &TRichEdit::SetPlainText).Default(false);
  });
}
