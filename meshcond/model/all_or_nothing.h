// Changing the model all or nothing: the change runs on a copy that is
// swapped in only when it completes, so a failure leaves the model as it was.
#pragma once

#include <utility>

#include "meshcond/model/analysis_model.h"

namespace meshcond {

/// Runs change(copy) on a copy of the model and swaps the copy in when it
/// returns; an exception leaves the model untouched. The copy lives in one
/// scratch model per thread whose storage is reused, so a load does not
/// allocate the whole model again. Must not be nested.
template <class Change>
decltype(auto) changeAllOrNothing(AnalysisModel& model, Change change) {
  static thread_local AnalysisModel scratch;
  scratch = model;  // copy assignment keeps the scratch's storage
  if constexpr (std::is_void_v<decltype(change(scratch))>) {
    change(scratch);
    std::swap(model, scratch);
  } else {
    auto result = change(scratch);
    std::swap(model, scratch);
    return result;
  }
}

}  // namespace meshcond
