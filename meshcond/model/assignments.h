// The changes the condition editor makes with the pen and the area tool:
// materials of elements, fixed water levels of nodes and the node lists of
// seepage faces, rainfall and fluctuating boundaries. The window, its undo
// history and the tests call these and nothing else to change those tables.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "meshcond/model/analysis_model.h"
#include "meshcond/model/messages.h"

namespace meshcond {

/// What a click on a node did.
enum class Toggle { None, Set, Released };

/// The name of an undo step: "<what>の設定", or "<what>の解除" when released.
std::string toggleStepName(const std::string& what, Toggle toggle);

/// MAT[e] := k. True when the material changed.
bool setMaterial(AnalysisModel& model, int e, int k);

/// Gives material k to every element with a corner strictly inside the
/// rectangle spanned by (x1, y1) and (x2, y2). Returns how many elements
/// changed their material.
int ELSelect(AnalysisModel& model, double x1, double y1, double x2, double y2, int k);

/// A fixed-level click on node j (nothing when j < 1): a free node gets the
/// group and the level as its head (a group of 0 stores the head only); a
/// fixed node is released and keeps its head.
Toggle toggleFixedLevel(AnalysisModel& model, int j, int group, double level);

/// Node j flipped in or out of seepage face g (1..200), which holds at most
/// 200 nodes; NSEEP becomes the highest face in use. A face number out of
/// range or a full face is refused (RangeError) before anything changes.
/// `label` names the number in the message.
Toggle toggleSeepage(AnalysisModel& model, int j, int g,
                     const std::string& label = msg::field::seepageFaceNumber());

/// Node j flipped in or out of the rainfall node list.
Toggle toggleRainfall(AnalysisModel& model, int j);

/// Node j flipped in or out of fluctuating boundary g (1..200); NFLUCT
/// becomes the highest boundary in use.
Toggle toggleFluctuating(AnalysisModel& model, int j, int g,
                         const std::string& label = msg::field::fluctSurfaces());

/// One click of a list mode: the list's nodes (entries outside 1..numnp are
/// dropped) with node flipped in or out (none when node < 1), in ascending order.
std::vector<int32_t> toggledList(const std::vector<int32_t>& entries, int numnp, int node);

}  // namespace meshcond
