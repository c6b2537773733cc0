// Turning a click into an element or a node, and the assignments the pen and
// the area tool make in the analysis model.
#pragma once

#include <cstdint>
#include <vector>

#include "meshcond/model/analysis_model.h"

namespace meshcond::ui {

/// The first element (ascending number) whose centroid lies closer than eps
/// to (x, y) and whose triangle 1-2-3, or 3-4-1 for a quadrilateral, holds
/// the point (an edge counts as inside); -1 when none does.
int elmsearch(const AnalysisModel& model, double eps, double x, double y);

/// The node nearest to (x, y) (lowest number among equally near ones) when
/// it lies closer than radius; -1 otherwise.
int nodesearch(const AnalysisModel& model, double radius, double x, double y);

/// Gives material k to every element with a corner strictly inside the
/// rectangle spanned by (x1, y1) and (x2, y2). Returns how many elements
/// changed their material.
int ELSelect(AnalysisModel& model, double x1, double y1, double x2, double y2, int k);

/// One click of a list mode: the list's nodes (entries outside 1..numnp are
/// dropped) with node flipped in or out (none when node < 1), in ascending order.
std::vector<int32_t> toggledList(const std::vector<int32_t>& entries, int numnp, int node);

}  // namespace meshcond::ui
