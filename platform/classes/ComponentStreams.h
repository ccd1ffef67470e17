#pragma once
// Whole components to and from streams: the binary component stream, the
// form-file resource around it, and the text form.

#include <string>

#include "platform/classes/Component.h"
#include "platform/core/Streams.h"

// Writes component as the root of a binary component stream ("TPF0" ...).
void WriteComponent(TStream& stream, TComponent* component);
// Reads a binary component stream into instance (nullptr: creates the root
// from the class the stream names, which must be registered). Answers the root.
TComponent* ReadComponent(TStream& stream, TComponent* instance);
// The same inside a form file's resource header named resName.
void WriteComponentRes(TStream& stream, const std::string& resName, TComponent* component);
TComponent* ReadComponentRes(TStream& stream, TComponent* instance);

// The text form of a component, as form files in text and the clipboard carry it.
std::string ComponentToText(TComponent* component);
// Reads the text form of one component into instance (nullptr: creates it).
TComponent* TextToComponent(const std::string& text, TComponent* instance);
