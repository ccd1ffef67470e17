#include "designer/ObjEdit.h"
#include "designer/ObjEditLoading.h"
#include "platform/classes/ComponentStreams.h"
#include "platform/classes/ResourceHeader.h"
#include "platform/config/SafeSave.h"

// The form stream: the designed form as a component resource named with the
// form's class name, and form files holding one.

void TObjectEditor::SaveToStream(TStream* Stream) {
  // Only a whole form makes a form stream; a designed panel writes nothing.
  if (!EditControl || EditControl != Form) return;
  WriteComponentRes(*Stream, Form->ClassName(), Form);
}

void TObjectEditor::LoadFromStream(TStream* Stream) {
  UnselectAll();
  // Loading replaces the form's contents but is no edit of them: moving and
  // sizing the form while its properties are read must not mark it.
  const bool WasModified = IsModified;
  LoadedList = std::make_unique<std::vector<TControl*>>();
  try {
    {
      TInspectorUpdate Update(Inspector);
      if (EditControl && EditControl == Form) {
        // Last first; freeing a control frees the controls inside it, so the
        // count is read again each time.
        while (Form->ComponentCount() > 0) Form->Components(Form->ComponentCount() - 1)->Free();
        ReadResHeader(*Stream);
        TReader Reader(*Stream, 4096);
        DropHandlerNames(Reader);
        Reader.ReadRootComponent(Form);
        CollectLoaded(Form, 0, *LoadedList);
        PositionLoadedContainers();
      }
    }
  } catch (...) {
    LoadedList.reset();
    IsModified = WasModified;
    throw;
  }
  LoadedList.reset();
  IsModified = WasModified;
}

void TObjectEditor::SaveToFile(const std::string& FileName) {
  // The stream is made in memory and replaces the file only when complete,
  // so a form that fails to write, or a full disk, never costs the old file.
  TMemoryStream Stream;
  SaveToStream(&Stream);
  SaveFileSafely(FileName, std::string(static_cast<const char*>(Stream.Memory()),
                                       static_cast<size_t>(Stream.Size())));
}

void TObjectEditor::LoadFromFile(const std::string& FileName) {
  TFileStream Stream(FileName, fmOpenRead);
  LoadFromStream(&Stream);
}
