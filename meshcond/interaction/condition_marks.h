// What a figure of the analysis conditions adds to the view's drawing: the
// marks of every boundary condition at once, each kind with its own symbol,
// and the legend that names them and the materials.
#pragma once

#include <string>
#include <vector>

#include "figure/layout.h"
#include "meshcond/interaction/canvas.h"
#include "meshcond/interaction/drawing.h"
#include "meshcond/interaction/view.h"
#include "meshcond/model/analysis_model.h"

namespace meshcond::ui {

/// Colours of the marks (0xRRGGBB). Fixed levels take the group colours in
/// turn, one per level.
inline constexpr uint32_t kSeepageMarkColour = 0xFF8C00;
inline constexpr uint32_t kRainfallMarkColour = 0x00B000;
inline constexpr uint32_t kFluctuatingMarkColour = 0x00C8FF;
uint32_t fixedLevelColour(int group);

/// The legend: each material in use with its colour, each fixed level in use
/// with its value, then seepage faces, rainfall and fluctuating boundaries
/// when the model has any.
std::vector<figure::LegendEntry> conditionLegend(const AnalysisModel& model);

/// Marks every node of a fixed level, a seepage face, a fluctuating boundary
/// or the rainfall list, in that order, with the symbol of its legend entry,
/// radius pixels from the node.
void drawConditionMarks(const AnalysisModel& model, const View& view, Canvas& canvas,
                        int radius = kMarkerRadius);

/// The model's title, or "メッシュ" when it has none.
std::string figureTitle(const AnalysisModel& model);

}  // namespace meshcond::ui
