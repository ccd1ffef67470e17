// Format: the platform's printf. Directive grammar:
//   "%" [index ":"] ["-"] [width] ["." precision] type
// An index moves the argument cursor (later directives go on from there).

#include <cstdint>

#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"

namespace {

class TFormatter {
 public:
  TFormatter(std::string_view fmt, std::initializer_list<TVarRec> args) : FFormat(fmt), FArgs(args) {}

  std::string Run() {
    while (FPos < FFormat.size()) {
      size_t percent = FFormat.find('%', FPos);
      if (percent == std::string_view::npos) {
        FOut.append(FFormat.substr(FPos));
        break;
      }
      FOut.append(FFormat.substr(FPos, percent - FPos));
      FPos = percent + 1;
      if (FPos < FFormat.size() && FFormat[FPos] == '%') {
        FOut.push_back('%');
        ++FPos;
        continue;
      }
      Directive();
    }
    return FOut;
  }

 private:
  [[noreturn]] void Invalid() const {
    throw EConvertError("Format '" + std::string(FFormat) + "' invalid or incompatible with argument");
  }

  const TVarRec& NextArg() {
    if (FArgIndex >= FArgs.size())
      throw EConvertError("No argument for format '" + std::string(FFormat) + "'");
    return FArgs.begin()[FArgIndex++];
  }

  char Peek() const { return FPos < FFormat.size() ? FFormat[FPos] : '\0'; }

  // A decimal number or '*' (taken from the arguments); -1 when neither.
  int Number() {
    if (Peek() == '*') {
      ++FPos;
      const TVarRec& arg = NextArg();
      if (arg.Kind() != TVarRec::vtInteger) Invalid();
      return static_cast<int>(arg.AsInteger() < 0 ? 0 : arg.AsInteger() > 100000 ? 100000 : arg.AsInteger());
    }
    if (Peek() < '0' || Peek() > '9') return -1;
    int64_t n = 0;
    while (Peek() >= '0' && Peek() <= '9') {
      n = n * 10 + (FFormat[FPos++] - '0');
      // A width beyond this is a typing error, not a wish for megabytes of blanks.
      if (n > 100000) Invalid();
    }
    return static_cast<int>(n);
  }

  void Directive() {
    bool left = false;
    int width = -1;
    if (Peek() == '-') {
      left = true;
      ++FPos;
    } else {
      width = Number();
      if (Peek() == ':') {
        ++FPos;
        if (width < 0) Invalid();
        FArgIndex = static_cast<size_t>(width);
        width = -1;
        if (Peek() == '-') {
          left = true;
          ++FPos;
        }
      }
    }
    if (width < 0) width = Number();
    int precision = -1;
    if (Peek() == '.') {
      ++FPos;
      precision = Number();
      if (precision < 0) precision = 0;
    }
    if (FPos >= FFormat.size()) Invalid();
    char type = FFormat[FPos++];
    if (type >= 'A' && type <= 'Z') type = static_cast<char>(type - 'A' + 'a');
    std::string text = Convert(type, precision);
    if (width > 0 && text.size() < static_cast<size_t>(width)) {
      std::string pad(static_cast<size_t>(width) - text.size(), ' ');
      text = left ? text + pad : pad + text;
    }
    FOut += text;
  }

  // The platform's Integer is 32 bits: a negative value that fits in one shows
  // as its 32-bit two's complement under %u and %x.
  static uint64_t Unsigned(int64_t v) {
    if (v < 0 && v >= INT32_MIN) return static_cast<uint32_t>(v);
    return static_cast<uint64_t>(v);
  }

  static std::string ZeroPad(std::string digits, int precision) {
    if (precision > 0 && digits.size() < static_cast<size_t>(precision))
      digits.insert(0, static_cast<size_t>(precision) - digits.size(), '0');
    return digits;
  }

  std::string Convert(char type, int precision) {
    const TVarRec& arg = NextArg();
    switch (type) {
      case 'd':
      case 'u':
      case 'x': {
        if (arg.Kind() != TVarRec::vtInteger) Invalid();
        int64_t v = arg.AsInteger();
        if (type == 'x') return ZeroPad(IntToHex(static_cast<int64_t>(Unsigned(v)), 0), precision);
        if (type == 'u') return ZeroPad(std::to_string(Unsigned(v)), precision);
        std::string digits = std::to_string(v);
        if (v < 0) return std::string("-").append(ZeroPad(digits.substr(1), precision));
        return ZeroPad(digits, precision);
      }
      case 'e':
      case 'f':
      case 'g':
      case 'n': {
        if (arg.Kind() != TVarRec::vtExtended) Invalid();
        long double v = arg.AsFloat();
        if (type == 'e') return FloatToStrF(v, ffExponent, precision < 0 ? 15 : precision, 3);
        if (type == 'g') return FloatToStrF(v, ffGeneral, precision < 0 ? 15 : precision, 3);
        return FloatToStrF(v, type == 'f' ? ffFixed : ffNumber, 18, precision < 0 ? 2 : precision);
      }
      case 's': {
        if (arg.Kind() != TVarRec::vtString && arg.Kind() != TVarRec::vtChar) Invalid();
        const std::string& s = arg.AsString();
        return precision >= 0 && s.size() > static_cast<size_t>(precision) ? s.substr(0, static_cast<size_t>(precision)) : s;
      }
      case 'p':
        if (arg.Kind() != TVarRec::vtPointer) Invalid();
        return IntToHex(arg.AsInteger(), 16);
      default:
        Invalid();
    }
  }

  std::string_view FFormat;
  std::initializer_list<TVarRec> FArgs;
  size_t FPos = 0;
  size_t FArgIndex = 0;
  std::string FOut;
};

}  // namespace

std::string Format(std::string_view fmt, std::initializer_list<TVarRec> args) {
  return TFormatter(fmt, args).Run();
}
