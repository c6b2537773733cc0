#include "common/messages.h"

#include "common/errors.h"

namespace common::messages {

std::string lineNumber(long line) { return std::to_string(line) + " 行目"; }

std::string fieldNumber(int field) { return std::to_string(field) + " 番目の値"; }

std::string quoted(std::string_view text) {
  constexpr size_t kMax = 40;
  size_t cut = text.size() > kMax ? kMax : text.size();
  // Never cut inside a UTF-8 character.
  while (cut < text.size() && cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
    --cut;
  std::string shown = "「" + std::string(text.substr(0, cut));
  if (cut < text.size()) shown += "…";
  return shown + "」";
}

std::string aboutValue(const Location& where, std::string_view value, std::string_view complaint) {
  std::string text = where.describe();
  if (!text.empty() && where.field <= 0) text += kSeparator;
  return text + quoted(value) + std::string(complaint);
}

std::string cannotOpen(const std::string& path, const std::string& reason) {
  return "ファイル " + path + " を開けません（" + reason + "）";
}

std::string cannotRead(const std::string& path, const std::string& reason) {
  return "ファイル " + path + " を読めません（" + reason + "）";
}

std::string cannotWrite(const std::string& path, const std::string& reason) {
  return "ファイル " + path + " に書き込めません（" + reason + "）";
}

std::string cannotReplace(const std::string& path, const std::string& reason) {
  return "ファイル " + path + " を置き換えられません（" + reason + "）";
}

std::string notAFile(const std::string& path) {
  return path + " はフォルダです。ファイルを選んでください";
}

std::string alreadyClosed(const std::string& path) {
  return "ファイル " + path + " はすでに閉じています";
}

std::string alreadyCommitted(const std::string& path) {
  return "ファイル " + path + " はすでに書き終えています";
}

std::string writeTargetIsFolder(const std::string& path) {
  return "ファイル " + path + " に書き込めません: フォルダです";
}

std::string writeTargetIsInput(const std::string& path, const std::string& input) {
  return "ファイル " + path + " に書き込めません: 読み込んだファイル（" + input +
         "）そのものです。別の名前にしてください";
}

std::string writeTargetsSame(const std::string& path, const std::string& other) {
  return "ファイル " + path + " に書き込めません: " + other +
         " と同じファイルです。別の名前にしてください";
}

std::string converterMissing(const std::string& from, const std::string& to) {
  return "文字コードの変換（" + from + " から " + to + "）が使えません";
}

std::string notCp932(std::string_view character, std::string_view text) {
  return "文字「" + std::string(character) + "」はファイルの文字コード（CP932）で書けません（「" +
         std::string(text) + "」の中）";
}

}  // namespace common::messages
