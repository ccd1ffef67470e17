#include <unordered_set>

#include "designer/ObjEdit.h"
#include "designer/ObjEditLoading.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Writer.h"
#include "platform/windows/Clipbrd.h"

// Cut, copy, paste and delete of the selection through the system clipboard.
// The clipboard carries the text form of components, one object block per
// copied item, the whole text ended by a NUL.

namespace {

// True when a control in Item's parent chain is one of Items.
template <class Set>
bool HasAncestorIn(const TControl* Item, const Set& Items) {
  for (TControl* P = Item->Parent(); P; P = P->Parent())
    if (Items.count(P)) return true;
  return false;
}

// The items of a selection that no selected control contains: each of them
// is copied or freed together with everything inside it.
std::vector<TControl*> TopMostItems(const std::vector<TControl*>& Items) {
  std::unordered_set<const TControl*> Selected(Items.begin(), Items.end());
  std::vector<TControl*> Result;
  for (TControl* Item : Items)
    if (!HasAncestorIn(Item, Selected)) Result.push_back(Item);
  return Result;
}

// The clipboard's text, or nothing when it holds no text.
bool ClipboardText(std::string& Text) {
  TClipboard* Board = Clipboard();
  Board->Open();
  try {
    bool HasText = Board->HasFormat(CF_TEXT);
    if (HasText) Text = Board->AsText();
    Board->Close();
    return HasText;
  } catch (...) {
    Board->Close();
    throw;
  }
}

}  // namespace

void TObjectEditor::CopyToClipboard() {
  if (Selection.empty()) return;
  TMemoryStream Binary;
  TStringStream Text;
  for (TControl* Item : TopMostItems(Selection)) {
    {
      TWriter Writer(Binary, 4096);
      Writer.SetRoot(Form);
      Writer.WriteSignature();
      Writer.WriteComponent(ComponentOf(Item));
    }
    Binary.SetPosition(0);
    ObjectBinaryToText(Binary, Text);
    Binary.Clear();
  }
  if (Text.Size() == 0) return;
  Clipboard()->SetTextBuf(Text.DataString().c_str());
}

void TObjectEditor::PasteFromClipboard() {
  if (!EditControl) return;
  std::string Text;
  if (!ClipboardText(Text)) return;
  // Everything is converted before anything is created, so that text that is
  // not in the component format leaves the form as it was. The clipboard's
  // NUL ends the text already; the parser takes a NUL for a bad character.
  TStringStream Source(Text);
  TMemoryStream Binary;
  while (Source.Position() < Source.Size()) ObjectTextToBinary(Source, Binary);

  TWinControl* Parent = PasteParent();
  const int32_t FirstArrival = Form->ComponentCount();
  LoadedList = std::make_unique<std::vector<TControl*>>();
  try {
    {
      TInspectorUpdate Update(Inspector);
      Binary.SetPosition(0);
      while (Binary.Position() < Binary.Size()) {
        TReader Reader(Binary, 1024);
        Reader.SetRoot(Form);
        Reader.SetOwner(Form);
        Reader.SetParent(Parent);
        // A name the form has already gives way to the class-based one.
        Reader.OnSetName = [this](TReader&, TComponent* Component, std::string& Name) {
          if (NameExists(Name)) Name = UniqueName(ComponentBaseName(Component->ClassType()));
        };
        DropHandlerNames(Reader);
        Reader.BeginReferences();
        try {
          Reader.ReadSignature();
          Reader.ReadComponent(nullptr);
          Reader.FixupReferences();
        } catch (...) {
          Reader.EndReferences();
          throw;
        }
        Reader.EndReferences();
      }
    }
    CollectLoaded(Form, FirstArrival, *LoadedList);
    if (!LoadedList->empty()) UnselectAll();
    PositionLoadedContainers();
    std::unordered_set<const TControl*> Arrived(LoadedList->begin(), LoadedList->end());
    for (TControl* Item : *LoadedList)
      if (!HasAncestorIn(Item, Arrived)) AddToSelection(Item, false);
    NotifySelection();
    MarkModified();
  } catch (...) {
    LoadedList.reset();
    throw;
  }
  LoadedList.reset();
}

void TObjectEditor::DeleteSelection() {
  if (!EditControl) return;
  // Freeing a control frees the controls inside it, so only the top-most
  // items are freed, each once; the list is taken before anything goes.
  const std::vector<TControl*> Doomed = TopMostItems(Selection);
  // Unselecting first lets go of the grab and the mark painters in the order
  // they were hooked into the items' window procedures.
  UnselectAll();
  for (TControl* Item : Doomed) ComponentOf(Item)->Free();
  for (int32_t I = EditControl->ComponentCount() - 1; I >= 0; --I) {
    // A non-visual component would be selected through its container;
    // containers are not made yet, so the neighbour is the last control.
    if (auto* Control = dynamic_cast<TControl*>(EditControl->Components(I))) {
      AddToSelection(Control, false);
      break;
    }
  }
  NotifySelection();
  MarkModified();
}

void TObjectEditor::CutToClipboard() {
  CopyToClipboard();
  DeleteSelection();
}

TWinControl* TObjectEditor::PasteParent() const {
  if (!Grab->Visible) return EditControl;
  for (TControl* C = Grab->Control; C && C != EditControl; C = C->Parent())
    if (auto* Container = dynamic_cast<TWinControl*>(C))
      if (Container->ControlStyle().Contains(csAcceptsControls)) return Container;
  return EditControl;
}
