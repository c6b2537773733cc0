#include "common/messages.h"

#include <cerrno>
#include <cstring>

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

std::string systemReason(int error) {
  switch (error) {
    case ENOENT:
      return "ファイルまたはフォルダがありません";
    case EACCES:
    case EPERM:
      return "アクセスが許可されていません";
    case EISDIR:
      return "フォルダです";
    case ENOTDIR:
      return "パスの途中にフォルダでないものがあります";
    case ENOSPC:
      return "ディスクに空きがありません";
    case EDQUOT:
      return "ディスクの割り当てを超えました";
    case EROFS:
      return "読み取り専用のファイルシステムです";
    case EEXIST:
      return "すでにあります";
    case ENAMETOOLONG:
      return "名前が長すぎます";
    case ELOOP:
      return "シンボリックリンクが多すぎるか循環しています";
    case EMFILE:
    case ENFILE:
      return "開いているファイルが多すぎます";
    case EFBIG:
      return "ファイルが大きすぎます";
    case EIO:
      return "入出力エラーです";
    case EBUSY:
    case ETXTBSY:
      return "使用中です";
    case EXDEV:
      return "別のファイルシステムへは移せません";
    default:
      return std::string(std::strerror(error)) + "、エラー番号 " + std::to_string(error);
  }
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

namespace {
std::string n(long value) { return std::to_string(value); }
}  // namespace

std::string expectedAtEnd(const std::string& what) {
  return what + "がありません（ファイルの終わりです）";
}

std::string expectedFields(const std::string& what, size_t needed, size_t found) {
  return what + "がありません（欄が " + n(static_cast<long>(needed)) + " 個必要ですが " +
         n(static_cast<long>(found)) + " 個です）";
}

std::string fieldOutsideRange(const std::string& what, long value, long lo, long hi) {
  return what + " " + n(value) + " が範囲 " + n(lo) + ".." + n(hi) + " の外にあります";
}

std::string countsOf(const std::string& name) { return "節点数と" + name + "数"; }

std::string notAFileOfKind(const std::string& kind, const std::string& counts) {
  return kind + "ではありません: 最初の行には" + counts + "が必要です";
}

const char* nodeCount() { return "節点数"; }
std::string countOf(const std::string& name) { return name + "数"; }

std::string nodeRecord(int i, int count) {
  return "節点 " + n(i) + "/" + n(count) + "（番号、x、y）";
}

const char* meshFileKind() { return "メッシュデータファイル"; }
const char* elementWord() { return "要素"; }
const char* cornerCount() { return "角の数"; }

std::string elementRecord(int e, int count) {
  return "要素 " + n(e) + "/" + n(count) + "（番号、4 つの角、角の数）";
}

const char* cornerNode() { return "角の節点"; }

std::string element(int e) { return "要素 " + n(e); }
std::string corner(int c) { return "角 " + n(c); }

std::string fileEndsExpecting(const std::string& what) {
  return "ファイルがここで終わっています（" + what + " がありません）";
}

std::string columns(int first, int last) { return n(first) + "-" + n(last) + " 桁"; }

// The condition editor quotes with plain double quotes.
std::string notInteger(const std::string& what, const std::string& text) {
  return what + ": \"" + text + "\" は整数ではありません";
}

std::string notReal(const std::string& what, const std::string& text) {
  return what + ": \"" + text + "\" は実数ではありません";
}

std::string tooFewFields(size_t found, size_t need, const std::string& what) {
  return "値が足りません: " + n(static_cast<long>(need)) + " 個必要ですが " +
         n(static_cast<long>(found)) + " 個です（" + what + "）";
}

std::string outsideRange(const std::string& what, long value, long low, long high) {
  return what + " " + n(value) + " は範囲 " + n(low) + ".." + n(high) + " の外です";
}

std::string appearsTwice(const std::string& what) { return what + " が 2 回現れます"; }

std::string fiveCornerCell(int element, const std::string& cornerCount) {
  return messages::element(element) + ": 角数 " + cornerCount +
         " は五角形のセルです。メッシュ作成で線を引いて三角形か四角形に分割してください";
}

const char* meshHeaderLine() { return "見出し行（節点数と要素数）"; }
const char* meshCounts() { return "節点数と要素数"; }
std::string meshNodeLine(int i) { return "節点行 " + n(i); }
const char* meshNodeFields() { return "節点番号, x, y"; }
const char* meshNodeNumber() { return "節点番号"; }
const char* meshX() { return "x"; }
const char* meshY() { return "y"; }
std::string meshElementLine(int i) { return "要素行 " + n(i); }
const char* meshElementFields() { return "要素番号と四つの角"; }
const char* meshElementNumber() { return "要素番号"; }

}  // namespace common::messages
