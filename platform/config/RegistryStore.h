#pragma once
// The text file behind TRegistry: keys, each with its named values, in the
// line format described in docs/registry.md. Key paths are full paths starting
// with the root's name ("HKEY_CURRENT_USER\Software\X"), compared ignoring
// ASCII case. A key whose descendant is stored exists too.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TStrings;

enum TRegDataType { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

struct TRegValue {
  std::string Name;  // "" is the key's default value
  TRegDataType DataType = rdString;
  std::string Text;
  int32_t Integer = 0;
};

struct TRegKey {
  std::string Path;
  std::vector<TRegValue> Values;

  TRegValue* FindValue(std::string_view name);
};

class TRegistryStore {
 public:
  // $MORVANE_REGISTRY, else $XDG_CONFIG_HOME/morvane/registry.txt, else
  // ~/.config/morvane/registry.txt.
  static std::string DefaultFileName();

  explicit TRegistryStore(std::string fileName) : FFileName(std::move(fileName)) {}

  const std::string& FileName() const { return FFileName; }
  // Reads the file again; a missing or unreadable file is an empty store and
  // lines that do not parse are skipped.
  void Load();
  // Writes the whole store safely (temporary file and rename).
  void Save() const;

  void Parse(std::string_view text);
  std::string Serialize() const;

  TRegKey* FindKey(std::string_view path);
  bool KeyExists(std::string_view path) const;
  TRegKey& CreateKey(std::string_view path);
  // Removes the key and all keys below it; answers whether anything existed.
  bool DeleteKey(std::string_view path);
  // Names of the keys directly below path, each once, in store order.
  std::vector<std::string> SubKeyNames(std::string_view path) const;

 private:
  void ParseLines(const TStrings& lines);

  std::string FFileName;
  std::vector<TRegKey> FKeys;
};

// The root key's name ("HKEY_CURRENT_USER") for a root key constant, "" for
// an unknown one; and back (0 when unknown), ignoring case.
std::string RegistryRootName(uint32_t rootKey);
uint32_t RegistryRootKey(std::string_view name);
// A full key path in stored form: empty components dropped, the root's name
// in its usual spelling; "" when the root is unknown or a name holds a
// control character.
std::string NormalizeRegistryPath(std::string_view path);
