// The figure library's texts: the "図の出力" dialog, the legend and the
// writer's refusals, shared by both editors and the batch tool.
#pragma once

#include <string>

namespace figure::text {

const char* menuCaption();  // the editors' menu item
const char* dialogTitle();
const char* fileLabel();
const char* browseButton();
const char* formatHint();
const char* paperGroup();
const char* pixelsGroup();
const char* widthLabel();
const char* heightLabel();
const char* writeButton();
const char* cancelButton();
/// Why a file name is refused.
const char* formatProblem();
std::string notDrawn(const std::string& path);

const char* legendHeading();
/// The legend's last row when entries are left out: "ほか N 件".
std::string leftOut(int count);
/// A figure's title when there is no file to name it after.
const char* untitled();

}  // namespace figure::text
