// What the rainfall, level-series, fixed-level and initial-level dialogs show
// and store, as plain functions over the model and grid texts; the series
// imports take the lines of a text file (the first line is a header).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "meshcond/interaction/cell_grid.h"
#include "meshcond/model/analysis_model.h"

namespace meshcond::ui {

// --- Rainfall series (TForm4): time in hours, rainfall shown in mm/h ---

inline constexpr int kSeriesGridDesignRows = 500;

/// A new rainfall grid: 3 columns, the design row count, the headers.
CellGrid makeRainGrid();
/// Headers, numbers in column 0, the model's series; rows below keep their texts.
void activateRainForm(const AnalysisModel& model, CellGrid& grid);
/// "外部データ": the file's points into the grid (rainfall empty = 0). A line
/// that does not hold two numbers throws naming the file and line; the rows
/// filled before stay.
void importRainfall(const std::vector<std::string>& lines, const std::string& file, CellGrid& grid);
/// Leaving a non-empty cell: column 1 reformatted or cleared; column 2
/// reformatted, a text that is no number throws a ConversionError.
std::string leaveRainCell(int column, std::string_view text);
/// "閉じる": the rows up to the first one without a time of 0 or more and a
/// rainfall. More points than the model holds throw a RangeError and store
/// nothing.
void storeRainForm(const CellGrid& grid, AnalysisModel& model);

// --- Water-level series of one fluctuating boundary (TForm7) ---

CellGrid makeLevelGrid();
/// Headers, numbers in column 0, the boundary's series (columns 1 and 2 of
/// the other rows cleared).
void activateLevelForm(const AnalysisModel& model, int boundary, CellGrid& grid);
/// "外部データ": the file's points into the grid, each level raised by offset.
void importLevels(const std::vector<std::string>& lines, const std::string& file, double offset,
                  CellGrid& grid);
/// Leaving a non-empty cell of column 1 or 2: reformatted or cleared.
std::string leaveLevelCell(std::string_view text);
/// "閉じる": the rows up to the first without a time and a level become the
/// boundary's series. A boundary outside 1..20 or more points than the model
/// holds throw a RangeError and store nothing.
void storeLevelForm(const CellGrid& grid, int boundary, AnalysisModel& model);

// --- Fixed water levels (TFormFix) ---

/// The list lines, one per level, "%7.3f".
std::vector<std::string> fixedLevelLines(const AnalysisModel& model);
/// "入力": the line for a typed level; a text that is no number throws.
std::string fixedLevelLine(std::string_view typed);

/// The group the pen assigns (CurFixGroup) and its level (CurFixLevel).
struct FixedLevelChoice {
  int group = 0;
  double level = 0.0;
};
/// A click on line `index` (0-based); nothing for no line.
std::optional<FixedLevelChoice> chooseFixedLevel(const std::vector<std::string>& lines, int index);
/// "閉じる": the lines become FIXWL; more than the model holds throw a
/// RangeError and store nothing.
void storeFixedLevels(const std::vector<std::string>& lines, AnalysisModel& model);

// --- Initial water level (TForm8) ---

/// The level the box shows when the dialog opens: the level of the nodes not
/// held at a level when they all share one, else empty.
std::string initialLevelText(const AnalysisModel& model);

/// "閉じる": raises the node codes of the fluctuating boundaries, fixed-level
/// nodes (with their level) and rainfall nodes, then gives every node not
/// held at a level the initial level: from the file lines (node, level) when
/// a file was chosen, else the level typed (0 when it is no number; an empty
/// box leaves the levels as they are). A bad file line throws naming the file
/// and line, after the lines before it.
void storeInitialLevels(AnalysisModel& model, std::string_view levelText,
                        const std::vector<std::string>* fileLines, const std::string& file);

}  // namespace meshcond::ui
