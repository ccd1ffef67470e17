#pragma once
// The resource header in front of the binary stream in a form file: FF 0A 00
// (an RCDATA resource, type given by ordinal), the resource name (the root's
// class name upper-cased) and a NUL, the memory flags 30 10, then the 32-bit
// little-endian size of the stream that follows.

#include <cstdint>
#include <string>

#include "platform/core/Streams.h"

// Reads the header and leaves the stream at the start of the resource data.
// Raises EInvalidImage for bytes that are not such a header and EReadError
// when the size given runs past the end of the stream. Answers the name.
std::string ReadResHeader(TStream& stream);

// Writes a header with a size to be filled in; fixupInfo receives what
// FixupResourceHeader needs once the data is written.
void WriteResourceHeader(TStream& stream, const std::string& resName, int64_t& fixupInfo);
// Writes the size of the data between the header and the stream's position.
void FixupResourceHeader(TStream& stream, int64_t fixupInfo);
