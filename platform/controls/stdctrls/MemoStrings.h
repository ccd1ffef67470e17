#pragma once
// The Lines of a memo: a string list that keeps no strings of its own but
// reads and writes the memo's text, one line per string.

#include "platform/classes/Strings.h"

class TControl;

class TMemoStrings : public TStrings {
  MORVANE_CLASS(TMemoStrings, TStrings)

 public:
  explicit TMemoStrings(TControl* memo) : FMemo(memo) {}

  std::string Get(int32_t index) const override;
  int32_t GetCount() const override;
  void Put(int32_t index, const std::string& s) override;
  void Clear() override;
  void Delete(int32_t index) override;
  void Insert(int32_t index, const std::string& s) override;
  void SetText(const std::string& text) override;

 private:
  std::vector<std::string> Split() const;
  void Join(const std::vector<std::string>& lines);
  TControl* FMemo;
};
