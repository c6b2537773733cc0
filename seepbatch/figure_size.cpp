#include "common/errors.h"
#include "seepbatch/figures.h"

namespace seepbatch {

figure::FigureSize figureSizeArgument(const std::string& text) {
  if (auto size = figure::parseSize(text)) return *size;
  throw common::Error("--figure-size: \"" + text + "\" は A4、A3 または 幅x高さ（画素、" +
                      std::to_string(figure::kMinPixels) + "〜" +
                      std::to_string(figure::kMaxPixels) + "）で指定してください");
}

}  // namespace seepbatch
