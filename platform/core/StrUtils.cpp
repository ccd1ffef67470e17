// Trimming, case folding, comparison, quoting and searching of byte strings.

#include "platform/core/SysUtils.h"

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
char ToUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char ToLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
bool IsIdentStart(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }

template <typename Fold>
int CompareFolded(std::string_view a, std::string_view b, Fold fold) {
  size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    int ca = static_cast<unsigned char>(fold(a[i]));
    int cb = static_cast<unsigned char>(fold(b[i]));
    if (ca != cb) return ca - cb;
  }
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

}  // namespace

std::string TrimLeft(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && IsBlank(s[i])) ++i;
  return std::string(s.substr(i));
}

std::string TrimRight(std::string_view s) {
  size_t n = s.size();
  while (n > 0 && IsBlank(s[n - 1])) --n;
  return std::string(s.substr(0, n));
}

std::string Trim(std::string_view s) { return TrimLeft(TrimRight(s)); }

std::string UpperCase(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = ToUpper(c);
  return r;
}

std::string LowerCase(std::string_view s) {
  std::string r(s);
  for (char& c : r) c = ToLower(c);
  return r;
}

std::string AnsiUpperCase(std::string_view s) { return UpperCase(s); }
std::string AnsiLowerCase(std::string_view s) { return LowerCase(s); }

int CompareText(std::string_view a, std::string_view b) { return CompareFolded(a, b, ToUpper); }
int CompareStr(std::string_view a, std::string_view b) {
  return CompareFolded(a, b, [](char c) { return c; });
}
bool SameText(std::string_view a, std::string_view b) { return a.size() == b.size() && CompareText(a, b) == 0; }

int AnsiCompareText(std::string_view a, std::string_view b) { return CompareFolded(a, b, ToLower); }
int AnsiCompareStr(std::string_view a, std::string_view b) { return CompareStr(a, b); }
bool AnsiSameText(std::string_view a, std::string_view b) { return SameText(a, b); }

std::string AnsiQuotedStr(std::string_view s, char quote) {
  std::string r(1, quote);
  for (char c : s) {
    if (c == quote) r.push_back(quote);
    r.push_back(c);
  }
  r.push_back(quote);
  return r;
}

std::string QuotedStr(std::string_view s) { return AnsiQuotedStr(s, '\''); }

std::string AnsiExtractQuotedStr(std::string_view s, size_t& pos, char quote, bool* closed) {
  std::string r;
  if (closed) *closed = false;
  if (pos >= s.size() || s[pos] != quote) return r;
  for (++pos; pos < s.size(); ++pos) {
    if (s[pos] != quote) {
      r.push_back(s[pos]);
    } else if (pos + 1 < s.size() && s[pos + 1] == quote) {
      r.push_back(quote);
      ++pos;
    } else {
      ++pos;
      if (closed) *closed = true;
      break;
    }
  }
  return r;
}

std::string AnsiDequotedStr(std::string_view s, char quote) {
  size_t pos = 0;
  bool closed = false;
  std::string r = AnsiExtractQuotedStr(s, pos, quote, &closed);
  return closed ? r : std::string(s);
}

std::string StringReplace(std::string_view s, std::string_view oldPattern, std::string_view newPattern,
                          TReplaceFlags flags) {
  if (oldPattern.empty()) return std::string(s);
  bool ignoreCase = flags.Contains(rfIgnoreCase);
  std::string r;
  size_t i = 0;
  while (i + oldPattern.size() <= s.size()) {
    std::string_view here = s.substr(i, oldPattern.size());
    if (ignoreCase ? SameText(here, oldPattern) : here == oldPattern) {
      r.append(newPattern);
      i += oldPattern.size();
      if (!flags.Contains(rfReplaceAll)) break;
    } else {
      r.push_back(s[i++]);
    }
  }
  r.append(s.substr(i));
  return r;
}

int Pos(std::string_view sub, std::string_view s) {
  if (sub.empty()) return 0;
  size_t p = s.find(sub);
  return p == std::string_view::npos ? 0 : static_cast<int>(p) + 1;
}

std::string Copy(std::string_view s, int index, int count) {
  if (index < 1) index = 1;
  size_t start = static_cast<size_t>(index - 1);
  if (start >= s.size() || count <= 0) return {};
  return std::string(s.substr(start, static_cast<size_t>(count)));
}

bool IsValidIdent(std::string_view ident, bool allowDots) {
  bool expectStart = true;
  for (char c : ident) {
    if (expectStart) {
      if (!IsIdentStart(c)) return false;
      expectStart = false;
    } else if (allowDots && c == '.') {
      expectStart = true;
    } else if (!IsIdentChar(c)) {
      return false;
    }
  }
  return !expectStart;
}
