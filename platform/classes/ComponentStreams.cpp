#include "platform/classes/ComponentStreams.h"

#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/classes/ResourceHeader.h"
#include "platform/classes/Writer.h"

namespace {
constexpr int32_t kFilerBufferSize = 4096;
}

void WriteComponent(TStream& stream, TComponent* component) {
  TWriter writer(stream, kFilerBufferSize);
  writer.WriteDescendent(component, nullptr);
}

TComponent* ReadComponent(TStream& stream, TComponent* instance) {
  TReader reader(stream, kFilerBufferSize);
  return reader.ReadRootComponent(instance);
}

void WriteComponentRes(TStream& stream, const std::string& resName, TComponent* component) {
  int64_t fixupInfo = 0;
  WriteResourceHeader(stream, resName, fixupInfo);
  WriteComponent(stream, component);
  FixupResourceHeader(stream, fixupInfo);
}

TComponent* ReadComponentRes(TStream& stream, TComponent* instance) {
  ReadResHeader(stream);
  return ReadComponent(stream, instance);
}

std::string ComponentToText(TComponent* component) {
  TMemoryStream binary;
  WriteComponent(binary, component);
  binary.SetPosition(0);
  TStringStream text;
  ObjectBinaryToText(binary, text);
  return text.DataString();
}

TComponent* TextToComponent(const std::string& text, TComponent* instance) {
  TStringStream input(text);
  TMemoryStream binary;
  ObjectTextToBinary(input, binary);
  binary.SetPosition(0);
  return ReadComponent(binary, instance);
}
