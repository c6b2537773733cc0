// Turning a click into an element or a node. What the pen and the area tool
// then change is the model library's (meshcond/model/assignments.h).
#pragma once

#include "meshcond/model/analysis_model.h"
#include "meshcond/model/assignments.h"

namespace meshcond::ui {

/// The first element (ascending number) whose triangle 1-2-3, or 3-4-1 for a
/// quadrilateral, holds (x, y) (an edge counts as inside); for a point on no
/// element the one whose centroid is nearest when closer than eps (the lowest
/// number among equally near ones); -1 when there is none.
int elmsearch(const AnalysisModel& model, double eps, double x, double y);

/// The node nearest to (x, y) (lowest number among equally near ones) when
/// it lies closer than radius; -1 otherwise.
int nodesearch(const AnalysisModel& model, double radius, double x, double y);

}  // namespace meshcond::ui
