#include "common/errors.h"
#include "seepbatch/figures.h"
#include "seepbatch/messages.h"

namespace seepbatch {

figure::FigureSize figureSizeArgument(const std::string& text) {
  if (auto size = figure::parseSize(text)) return *size;
  throw common::Error(text::figureSizeInvalid(text, figure::kMinPixels, figure::kMaxPixels));
}

}  // namespace seepbatch
