#include "figure/messages.h"

namespace figure::text {

const char* menuCaption() { return "図の出力..."; }
const char* dialogTitle() { return "図の出力"; }
const char* fileLabel() { return "ファイル"; }
const char* browseButton() { return "参照..."; }
const char* formatHint() { return "拡張子で形式を選びます（.pdf、.svg、.png）"; }
const char* paperGroup() { return "用紙（PDF、横置き）"; }
const char* pixelsGroup() { return "画素数（SVG、PNG）"; }
const char* widthLabel() { return "幅"; }
const char* heightLabel() { return "高さ"; }
const char* writeButton() { return "出力"; }
const char* cancelButton() { return "キャンセル"; }
const char* formatProblem() {
  return "図のファイル名は .pdf、.svg、.png のいずれかで終えてください";
}
std::string notDrawn(const std::string& path) { return "図を描けませんでした: " + path; }

const char* legendHeading() { return "凡例"; }
std::string leftOut(int count) { return "ほか " + std::to_string(count) + " 件"; }
const char* untitled() { return "メッシュ"; }

}  // namespace figure::text
