// The analysis model's parts for the undo history.
#include "meshcond/model/model_parts.h"

namespace meshcond {

void addModelParts(AnalysisModel& model, common::ModelParts& parts) {
  forEachField(model, [&parts](auto& field) { parts.add(field); });
}

}  // namespace meshcond
