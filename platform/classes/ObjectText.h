#pragma once
// Conversion between the binary component stream and its text form.
//
// Both directions convert ONE object block per call, from the input's
// position, and leave the input just after it: a clipboard paste calls them
// again and again on the same stream. The output gets nothing when the input
// is bad (the exception leaves it as it was).

#include "platform/core/Streams.h"

// The layout of the text written. The classic layout splits strings longer
// than 64 characters into ' +' continuation lines and writes quotes as #39;
// the long-line layout, which another family of tools writes, keeps each
// string on one line, doubles quotes and closes lists and binary data on
// lines of their own.
enum TObjectTextStyle { otsClassic, otsLongLines };

// Writes the text form; starts it with a UTF-8 byte-order mark when a name in
// the stream is UTF-8 beyond ASCII. Raises EReadError for a bad stream.
void ObjectBinaryToText(TStream& input, TStream& output, TObjectTextStyle style = otsClassic);
// Writes a "TPF0" stream for the next object of the text. Raises EParserError
// with the line for bad text.
void ObjectTextToBinary(TStream& input, TStream& output);
// The same for a form file: a resource header in front of the binary stream.
void ObjectResourceToText(TStream& input, TStream& output, TObjectTextStyle style = otsClassic);
void ObjectTextToResource(TStream& input, TStream& output);
