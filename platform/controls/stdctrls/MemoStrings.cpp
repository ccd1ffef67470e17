#include "platform/controls/stdctrls/MemoStrings.h"

#include "platform/controls/Control.h"

std::vector<std::string> TMemoStrings::Split() const {
  std::vector<std::string> lines;
  std::string text = FMemo->Text();
  if (text.empty()) return lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\n' && text[i] != '\r') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  lines.push_back(text.substr(start));
  return lines;
}

void TMemoStrings::Join(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += '\n';
    text += lines[i];
  }
  FMemo->SetText(text);
}

std::string TMemoStrings::Get(int32_t index) const {
  std::vector<std::string> lines = Split();
  if (index < 0 || index >= static_cast<int32_t>(lines.size())) IndexError(index);
  return lines[static_cast<size_t>(index)];
}

int32_t TMemoStrings::GetCount() const { return static_cast<int32_t>(Split().size()); }

void TMemoStrings::Put(int32_t index, const std::string& s) {
  std::vector<std::string> lines = Split();
  if (index < 0 || index >= static_cast<int32_t>(lines.size())) IndexError(index);
  lines[static_cast<size_t>(index)] = s;
  Join(lines);
}

void TMemoStrings::Clear() { FMemo->SetText(""); }

void TMemoStrings::Delete(int32_t index) {
  std::vector<std::string> lines = Split();
  if (index < 0 || index >= static_cast<int32_t>(lines.size())) IndexError(index);
  lines.erase(lines.begin() + index);
  Join(lines);
}

void TMemoStrings::Insert(int32_t index, const std::string& s) {
  std::vector<std::string> lines = Split();
  if (index < 0 || index > static_cast<int32_t>(lines.size())) IndexError(index);
  lines.insert(lines.begin() + index, s);
  Join(lines);
}

void TMemoStrings::SetText(const std::string& text) {
  // One final line break ends the last line rather than starting another.
  std::string body = text;
  if (!body.empty() && body.back() == '\n') body.pop_back();
  if (!body.empty() && body.back() == '\r') body.pop_back();
  FMemo->SetText(body);
}
