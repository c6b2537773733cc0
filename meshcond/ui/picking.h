// Turning a click into an element or a node. What the pen and the area tool
// then change is the model library's (meshcond/model/assignments.h).
#pragma once

#include "meshcond/model/analysis_model.h"
#include "meshcond/model/assignments.h"

namespace meshcond::ui {

/// The first element (ascending number) whose centroid lies closer than eps
/// to (x, y) and whose triangle 1-2-3, or 3-4-1 for a quadrilateral, holds
/// the point (an edge counts as inside); -1 when none does.
int elmsearch(const AnalysisModel& model, double eps, double x, double y);

/// The node nearest to (x, y) (lowest number among equally near ones) when
/// it lies closer than radius; -1 otherwise.
int nodesearch(const AnalysisModel& model, double radius, double x, double y);

}  // namespace meshcond::ui
