// The form-file variants of the conversions: the binary stream wrapped in a
// resource named after the root's class.

#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/classes/ResourceHeader.h"

void ObjectResourceToText(TStream& input, TStream& output, TObjectTextStyle style) {
  ReadResHeader(input);
  ObjectBinaryToText(input, output, style);
}

void ObjectTextToResource(TStream& input, TStream& output) {
  TMemoryStream binary;
  ObjectTextToBinary(input, binary);
  std::string className;
  binary.SetPosition(0);
  {
    TReader reader(binary, 4096);
    reader.ReadSignature();
    TFilerFlags flags;
    int32_t childPos = 0;
    reader.ReadPrefix(flags, childPos);
    className = reader.ReadStr();
  }
  int64_t fixupInfo;
  WriteResourceHeader(output, className, fixupInfo);
  output.WriteBuffer(binary.Memory(), binary.Size());
  FixupResourceHeader(output, fixupInfo);
}
