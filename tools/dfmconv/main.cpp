// dfmconv: converts form files between the text form and the binary form, so
// that forms can be kept in version control as text.
//
//   dfmconv text2bin IN OUT   text -> binary stream
//   dfmconv bin2text IN OUT   binary stream or form file -> text
//   dfmconv text2res IN OUT   text -> form file (resource header + stream)
//
// OUT is written beside its final name and renamed into place, so a failed
// conversion never leaves a half-written file.

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/classes/ObjectText.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Streams.h"

namespace {

const char kUsage[] =
    "usage: dfmconv text2bin IN OUT | bin2text IN OUT | text2res IN OUT\n"
    "  text2bin  convert a text form to a binary component stream\n"
    "  bin2text  convert a binary stream or form file to a text form\n"
    "  text2res  convert a text form to a form file with a resource header\n";

// Text after the form's last `end` means the input is not one form.
void CheckAllRead(TStream& input) {
  if (input.Position() < input.Size())
    throw EParserError("Unexpected text after the end of the form at offset " + std::to_string(input.Position()), 0);
}

void Convert(const std::string& mode, TMemoryStream& input, TMemoryStream& output) {
  if (mode == "text2bin") {
    ObjectTextToBinary(input, output);
    CheckAllRead(input);
  } else if (mode == "text2res") {
    ObjectTextToResource(input, output);
    CheckAllRead(input);
  } else {
    bool resource = input.Size() > 0 && static_cast<const uint8_t*>(input.Memory())[0] == 0xFF;
    if (resource) {
      ObjectResourceToText(input, output);
    } else {
      ObjectBinaryToText(input, output);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const std::string mode = argv[1], in = argv[2], out = argv[3];
  if (mode != "text2bin" && mode != "bin2text" && mode != "text2res") {
    std::fprintf(stderr, "dfmconv: unknown command '%s'\n%s", mode.c_str(), kUsage);
    return 2;
  }
  const std::string temporary = out + ".dfmconv-tmp";
  try {
    TMemoryStream input, output;
    input.LoadFromFile(in);
    Convert(mode, input, output);
    output.SaveToFile(temporary);
    if (std::rename(temporary.c_str(), out.c_str()) != 0) {
      std::string reason = std::strerror(errno);
      std::remove(temporary.c_str());
      std::fprintf(stderr, "dfmconv: cannot write %s: %s\n", out.c_str(), reason.c_str());
      return 1;
    }
  } catch (const Exception& e) {
    std::remove(temporary.c_str());
    std::fprintf(stderr, "dfmconv: %s: %s\n", in.c_str(), e.Message().c_str());
    return 1;
  }
  return 0;
}
