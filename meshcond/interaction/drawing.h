// The complete redraw of the condition editor's drawing area.
#pragma once

#include <string>

#include "meshcond/interaction/canvas.h"
#include "meshcond/interaction/view.h"
#include "meshcond/model/analysis_model.h"
#include "meshcond/model/messages.h"

namespace meshcond::ui {

/// Edit modes (`state`): what the pen edits and which markers the view shows.
enum EditMode : int {
  kModeMaterial = 1,
  kModeFixedLevel = 2,
  kModeSeepage = 3,
  kModeRainfall = 4,
  kModeFluctuating = 6,
};

/// What the redraw reads from the window besides the model and the view.
struct DrawSettings {
  int state = kModeMaterial;
  bool showElementNumbers = true;  // chkElem
  std::string EditMat = "1";       // the face or boundary shown in red, modes 3 and 6
  std::string LabelStage = msg::window::materialNumber();  // names EditMat in messages
  int CurFixGroup = 0;
};

inline constexpr int kMarkerRadius = 5;
inline constexpr int kTextSize = 10;

/// Clears the area, draws every element (material colours in mode 1, all
/// yellow otherwise), the element numbers and the markers of the mode. A
/// text in EditMat that is not an integer, needed in modes 3 and 6, throws
/// ConversionError after the elements and numbers are drawn.
void DatShow(const AnalysisModel& model, View& view, const DrawSettings& settings, Canvas& canvas);

/// EditMat as an integer; ConversionError naming the box by its label otherwise.
int editMatInteger(const std::string& text, const std::string& label);
/// EditMat as a real number; ConversionError naming the box by its label otherwise.
double editMatReal(const std::string& text, const std::string& label);

}  // namespace meshcond::ui
