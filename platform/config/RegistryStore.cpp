#include "platform/config/RegistryStore.h"

#include <cstdlib>

#include "platform/classes/Strings.h"
#include "platform/config/Registry.h"
#include "platform/config/SafeSave.h"
#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"

namespace {

const struct {
  HKEY Key;
  const char* Name;
} kRoots[] = {
    {HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT"}, {HKEY_CURRENT_USER, "HKEY_CURRENT_USER"},
    {HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE"}, {HKEY_USERS, "HKEY_USERS"},
    {HKEY_CURRENT_CONFIG, "HKEY_CURRENT_CONFIG"},
};

// Quotes a name or value: backslash, quote and control bytes escaped, other
// bytes (UTF-8 included) kept as they are.
std::string Quote(std::string_view s) {
  std::string r = "\"";
  for (char c : s) {
    unsigned char u = static_cast<unsigned char>(c);
    if (c == '\\' || c == '"') {
      r += '\\';
      r += c;
    } else if (c == '\n') {
      r += "\\n";
    } else if (c == '\r') {
      r += "\\r";
    } else if (c == '\t') {
      r += "\\t";
    } else if (u < 0x20 || u == 0x7F) {
      r += "\\x" + IntToHex(static_cast<int32_t>(u), 2);
    } else {
      r += c;
    }
  }
  return r + "\"";
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads a quoted string at line[pos]; false when it is not one.
bool Unquote(std::string_view line, size_t& pos, std::string& out) {
  if (pos >= line.size() || line[pos] != '"') return false;
  out.clear();
  for (++pos; pos < line.size(); ++pos) {
    char c = line[pos];
    if (c == '"') {
      ++pos;
      return true;
    }
    if (c != '\\') {
      out += c;
      continue;
    }
    if (++pos >= line.size()) return false;
    switch (line[pos]) {
      case '\\': out += '\\'; break;
      case '"': out += '"'; break;
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      case 't': out += '\t'; break;
      case 'x': {
        if (pos + 2 >= line.size()) return false;
        int hi = HexDigit(line[pos + 1]), lo = HexDigit(line[pos + 2]);
        if (hi < 0 || lo < 0) return false;
        out += static_cast<char>(hi * 16 + lo);
        pos += 2;
        break;
      }
      default:
        return false;
    }
  }
  return false;
}

// `"name"=value` or `@=value`; false for anything else.
bool ParseValueLine(std::string_view line, TRegValue& value) {
  size_t pos = 0;
  if (!line.empty() && line[0] == '@') {
    value.Name.clear();
    pos = 1;
  } else if (!Unquote(line, pos, value.Name)) {
    return false;
  }
  if (pos >= line.size() || line[pos] != '=') return false;
  ++pos;
  std::string_view rest = line.substr(pos);
  if (rest.substr(0, 6) == "dword:") {
    std::string_view hex = rest.substr(6);
    if (hex.empty() || hex.size() > 8) return false;
    uint32_t v = 0;
    for (char c : hex) {
      int d = HexDigit(c);
      if (d < 0) return false;
      v = v * 16 + static_cast<uint32_t>(d);
    }
    value.DataType = rdInteger;
    value.Integer = static_cast<int32_t>(v);
    return true;
  }
  value.DataType = rdString;
  return Unquote(line, pos, value.Text) && pos == line.size();
}

// A path in its stored form: components joined by '\', the root's name in
// its usual spelling first; "" when the root is unknown or a component is
// unfit for a key name.
}  // namespace

std::string NormalizeRegistryPath(std::string_view path) {
  std::string result;
  size_t i = 0;
  while (i <= path.size()) {
    size_t next = path.find('\\', i);
    if (next == std::string_view::npos) next = path.size();
    std::string_view part = path.substr(i, next - i);
    i = next + 1;
    if (part.empty()) continue;
    for (char c : part)
      if (static_cast<unsigned char>(c) < 0x20) return {};
    if (result.empty()) {
      std::string root = RegistryRootName(RegistryRootKey(part));
      if (root.empty()) return {};
      result = root;
    } else {
      result.append(1, '\\').append(part);
    }
  }
  return result;
}

namespace {

// Whether `path` is `ancestor` or lies below it.
bool IsAtOrBelow(std::string_view path, std::string_view ancestor) {
  if (path.size() < ancestor.size() || !SameText(path.substr(0, ancestor.size()), ancestor)) return false;
  return path.size() == ancestor.size() || path[ancestor.size()] == '\\';
}

}  // namespace

std::string RegistryRootName(uint32_t rootKey) {
  for (const auto& root : kRoots)
    if (root.Key == rootKey) return root.Name;
  return {};
}

uint32_t RegistryRootKey(std::string_view name) {
  for (const auto& root : kRoots)
    if (SameText(root.Name, name)) return root.Key;
  return 0;
}

TRegValue* TRegKey::FindValue(std::string_view name) {
  for (TRegValue& v : Values)
    if (SameText(v.Name, name)) return &v;
  return nullptr;
}

std::string TRegistryStore::DefaultFileName() {
  if (const char* explicitName = std::getenv("MORVANE_REGISTRY"); explicitName && *explicitName) return explicitName;
  std::string base;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
    base = xdg;
  } else {
    const char* home = std::getenv("HOME");
    base = IncludeTrailingPathDelimiter(home ? home : "") + ".config";
  }
  return IncludeTrailingPathDelimiter(base) + "morvane/registry.txt";
}

void TRegistryStore::Load() {
  FKeys.clear();
  if (!FileExists(FFileName)) return;
  TStringList lines;
  try {
    lines.LoadFromFile(FFileName);
  } catch (const EStreamError&) {
    return;  // unreadable reads as empty, like a missing store
  }
  ParseLines(lines);
}

void TRegistryStore::Parse(std::string_view text) {
  TStringList lines;
  lines.SetText(std::string(text));
  ParseLines(lines);
}

void TRegistryStore::ParseLines(const TStrings& lines) {
  FKeys.clear();
  TRegKey* current = nullptr;
  for (int32_t i = 0; i < lines.Count(); ++i) {
    std::string line = Trim(lines[i]);
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      std::string path = line.back() == ']' ? NormalizeRegistryPath(std::string_view(line).substr(1, line.size() - 2)) : "";
      current = path.empty() ? nullptr : &CreateKey(path);
      continue;
    }
    TRegValue value;
    // First value of a name wins, as everywhere in the configuration files.
    if (current && ParseValueLine(line, value) && !current->FindValue(value.Name))
      current->Values.push_back(std::move(value));
  }
}

std::string TRegistryStore::Serialize() const {
  std::string text = "; Morvane registry store: [key path] lines, then \"name\"=\"text\" or \"name\"=dword:hex\n";
  for (const TRegKey& key : FKeys) {
    text += "\n[" + key.Path + "]\n";
    for (const TRegValue& v : key.Values) {
      text += v.Name.empty() ? std::string("@") : Quote(v.Name);
      text += '=';
      text += v.DataType == rdInteger ? "dword:" + IntToHex(v.Integer, 8) : Quote(v.Text);
      text += '\n';
    }
  }
  return text;
}

void TRegistryStore::Save() const { SaveFileSafely(FFileName, Serialize()); }

TRegKey* TRegistryStore::FindKey(std::string_view path) {
  for (TRegKey& key : FKeys)
    if (SameText(key.Path, path)) return &key;
  return nullptr;
}

bool TRegistryStore::KeyExists(std::string_view path) const {
  if (path.find('\\') == std::string_view::npos) return RegistryRootKey(path) != 0;
  for (const TRegKey& key : FKeys)
    if (IsAtOrBelow(key.Path, path)) return true;
  return false;
}

TRegKey& TRegistryStore::CreateKey(std::string_view path) {
  if (TRegKey* key = FindKey(path)) return *key;
  FKeys.push_back(TRegKey{std::string(path), {}});
  return FKeys.back();
}

bool TRegistryStore::DeleteKey(std::string_view path) {
  auto before = FKeys.size();
  std::erase_if(FKeys, [&](const TRegKey& key) { return IsAtOrBelow(key.Path, path); });
  return FKeys.size() != before;
}

std::vector<std::string> TRegistryStore::SubKeyNames(std::string_view path) const {
  std::vector<std::string> names;
  for (const TRegKey& key : FKeys) {
    if (!IsAtOrBelow(key.Path, path) || key.Path.size() == path.size()) continue;
    std::string_view rest = std::string_view(key.Path).substr(path.size() + 1);
    std::string name(rest.substr(0, rest.find('\\')));
    bool known = false;
    for (const std::string& n : names) known = known || SameText(n, name);
    if (!known) names.push_back(name);
  }
  return names;
}
