#pragma once
// Publishing the common properties and events of controls. TControl
// publishes only Left, Top, Width, Height, Cursor and Hint; each descendant
// publishes the rest it shows, in its own order, one helper per property:
//
//   static void Publish(TPublisher<TPanel>& p) {
//     PublishAlign(p);
//     PublishCaption(p);
//     PublishColor(p);
//     ...
//     PublishOnClick(p);
//   }
//
// The helpers carry the platform's defaults and stored rules, so that a
// value equal to what a new control has is not written.

#include "platform/controls/Control.h"
#include "platform/controls/WinControl.h"

template <class T>
void PublishAlign(TPublisher<T>& p) {
  p.Property("Align", &TControl::Align, &TControl::SetAlign).Default(alNone);
}
template <class T>
void PublishAnchors(TPublisher<T>& p) {
  p.Property("Anchors", &TControl::Anchors, &TControl::SetAnchors)
      .Default(static_cast<int32_t>(TAnchors{akLeft, akTop}.ToOrdinal()))
      .Stored(&TControl::IsAnchorsStored);
}
template <class T>
void PublishCaption(TPublisher<T>& p) {
  p.Property("Caption", &TControl::Caption, &TControl::SetCaption).Type(TypeInfoTCaption());
}
template <class T>
void PublishColor(TPublisher<T>& p) {
  p.Property("Color", &TControl::Color, &TControl::SetColor)
      .Type(TypeInfoTColor())
      .Default(clWindow)
      .Stored(&TControl::IsColorStored);
}
template <class T>
void PublishEnabled(TPublisher<T>& p) {
  p.Property("Enabled", &TControl::Enabled, &TControl::SetEnabled).Default(true);
}
template <class T>
void PublishFont(TPublisher<T>& p) {
  p.Property("Font", &TControl::Font, &TControl::SetFont)
      .Stored(&TControl::IsFontStored);
}
template <class T>
void PublishParentColor(TPublisher<T>& p) {
  p.Property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(true);
}
template <class T>
void PublishParentFont(TPublisher<T>& p) {
  p.Property("ParentFont", &TControl::ParentFont, &TControl::SetParentFont).Default(true);
}
template <class T>
void PublishParentShowHint(TPublisher<T>& p) {
  p.Property("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint).Default(true);
}
template <class T>
void PublishPopupMenu(TPublisher<T>& p) {
  p.Property("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu);
}
template <class T>
void PublishShowHint(TPublisher<T>& p) {
  p.Property("ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
      .Stored(&TControl::IsShowHintStored);
}
template <class T>
void PublishVisible(TPublisher<T>& p) {
  p.Property("Visible", &TControl::Visible, &TControl::SetVisible).Default(true);
}
template <class T>
void PublishTabOrder(TPublisher<T>& p) {
  p.Property("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
      .Type(TypeInfoTTabOrder())
      .Default(-1);
}
template <class T>
void PublishTabStop(TPublisher<T>& p) {
  p.Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(false);
}

template <class T>
void PublishOnClick(TPublisher<T>& p) {
  p.Event("OnClick", &TControl::OnClick);
}
template <class T>
void PublishOnDblClick(TPublisher<T>& p) {
  p.Event("OnDblClick", &TControl::OnDblClick);
}
template <class T>
void PublishOnMouseDown(TPublisher<T>& p) {
  p.Event("OnMouseDown", &TControl::OnMouseDown);
}
template <class T>
void PublishOnMouseMove(TPublisher<T>& p) {
  p.Event("OnMouseMove", &TControl::OnMouseMove);
}
template <class T>
void PublishOnMouseUp(TPublisher<T>& p) {
  p.Event("OnMouseUp", &TControl::OnMouseUp);
}
template <class T>
void PublishOnResize(TPublisher<T>& p) {
  p.Event("OnResize", &TControl::OnResize);
}
template <class T>
void PublishOnKeyDown(TPublisher<T>& p) {
  p.Event("OnKeyDown", &TWinControl::OnKeyDown);
}
template <class T>
void PublishOnKeyPress(TPublisher<T>& p) {
  p.Event("OnKeyPress", &TWinControl::OnKeyPress);
}
template <class T>
void PublishOnKeyUp(TPublisher<T>& p) {
  p.Event("OnKeyUp", &TWinControl::OnKeyUp);
}
