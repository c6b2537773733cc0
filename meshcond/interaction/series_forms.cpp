// Rainfall, level-series, fixed-level and initial-level dialogs: activation,
// imports and storing.
#include "meshcond/interaction/series_forms.h"

#include <algorithm>

#include "common/errors.h"
#include "common/fields.h"
#include "common/numbers.h"
#include "meshcond/model/messages.h"

namespace meshcond::ui {

namespace {

std::string fixed8_3(double value) { return common::formatFixed(value, 8, 3); }
std::string fixed10_3(double value) { return common::formatFixed(value, 10, 3); }

void numberRows(CellGrid& grid) {
  for (int row = 1; row < grid.rowCount(); ++row) grid.setCell(0, row, common::formatInt(row, 3));
}

/// Makes room for rows 1..needed.
void ensureRows(CellGrid& grid, int needed) {
  if (grid.rowCount() < needed + 1) grid.setRowCount(needed + 10);
}

/// The fields of a series line (line index i of the file); fewer than two throw.
std::vector<std::string> seriesFields(const std::vector<std::string>& lines, size_t i,
                                      const std::string& file) {
  auto fields = common::splitFields(lines[i]);
  if (fields.size() < 2)
    throw common::MissingError(common::located({file, static_cast<long>(i + 1), 0},
                                               msg::twoFieldsExpected(fields.size())));
  return fields;
}

common::Location where(const std::string& file, size_t i, int field) {
  return {file, static_cast<long>(i + 1), field};
}

/// Prepares the grid of an import: columns 1 and 2 cleared, a row per line
/// and ten more.
void prepareImport(CellGrid& grid, size_t lineCount) {
  grid.clearColumns(1, 2);
  grid.setRowCount(static_cast<int>(lineCount) + 10);
  numberRows(grid);
}

/// The header rows of the rainfall and level grids.
void rainHeaders(CellGrid& grid) {
  grid.setCell(1, 0, msg::window::rainTimeHeading());
  grid.setCell(2, 0, msg::window::rainHeading());
}

void levelHeaders(CellGrid& grid) {
  grid.setCell(0, 0, "No");
  grid.setCell(1, 0, msg::window::timeHeading());
  grid.setCell(2, 0, msg::window::levelHeading());
}

/// Node n's slot of a node table; RangeError when n lies outside it.
template <class T>
T& nodeSlot(std::vector<T>& table, int n, const char* what) {
  if (n < 1 || static_cast<size_t>(n) >= table.size())
    throw common::RangeError(
        std::string(what) + ": " +
        msg::outsideRange(msg::field::node(), n, 1, static_cast<long>(table.size() - 1)));
  return table[static_cast<size_t>(n)];
}

}  // namespace

CellGrid makeRainGrid() {
  CellGrid grid(3, kSeriesGridDesignRows);
  rainHeaders(grid);
  return grid;
}

void activateRainForm(const AnalysisModel& model, CellGrid& grid) {
  rainHeaders(grid);
  ensureRows(grid, model.NRTIME);
  numberRows(grid);
  for (int r = 1; r <= model.NRTIME; ++r) {
    grid.setCell(1, r, fixed8_3(model.RTIME.at(r)));
    grid.setCell(2, r, fixed8_3(model.RAIN.at(r) * 1000));
  }
}

void importRainfall(const std::vector<std::string>& lines, const std::string& file,
                    CellGrid& grid) {
  prepareImport(grid, lines.size());
  for (size_t i = 1; i < lines.size(); ++i) {
    auto fields = seriesFields(lines, i, file);
    double time = common::toReal(fields[0], where(file, i, 1));
    double rain = fields[1].empty() ? 0.0 : common::toReal(fields[1], where(file, i, 2));
    grid.setCell(1, static_cast<int>(i), fixed8_3(time));
    grid.setCell(2, static_cast<int>(i), fixed8_3(rain));
  }
}

std::string leaveRainCell(int column, std::string_view text) {
  if (column == 1) {
    auto value = realOf(text);
    return value ? fixed8_3(*value) : "";
  }
  if (column == 2) return fixed8_3(realIn(text, msg::window::rainHeading()));
  return std::string(text);
}

void storeRainForm(const CellGrid& grid, AnalysisModel& model) {
  std::vector<std::pair<double, double>> points;
  for (int row = 1; row < grid.rowCount(); ++row) {
    auto time = realOf(grid.cell(1, row));
    auto rain = realOf(grid.cell(2, row));
    if (!time || *time < 0 || !rain) break;
    if (points.size() == static_cast<size_t>(kRainSeriesCapacity))
      throw common::RangeError(msg::seriesFull(msg::window::rainIntensity(), kRainSeriesCapacity));
    points.emplace_back(*time, *rain / 1000);
  }
  model.NRTIME = 0;
  for (const auto& [time, rain] : points) {
    ++model.NRTIME;
    model.RTIME.at(model.NRTIME) = time;
    model.RAIN.at(model.NRTIME) = rain;
  }
}

CellGrid makeLevelGrid() {
  CellGrid grid(3, kSeriesGridDesignRows);
  levelHeaders(grid);
  return grid;
}

void activateLevelForm(const AnalysisModel& model, int boundary, CellGrid& grid) {
  levelHeaders(grid);
  bool hasSeries = boundary >= 1 && boundary <= kFluctSeriesBoundaries;
  int points = hasSeries ? loadAt(model.NFT, boundary) : 0;
  ensureRows(grid, std::max(model.MAXFT, points));
  numberRows(grid);
  grid.clearColumns(1, 2);
  for (int r = 1; r <= points; ++r) {
    grid.setCell(1, r, fixed10_3(loadAt(model.FTIME.at(boundary), r)));
    grid.setCell(2, r, fixed10_3(loadAt(model.FLEV.at(boundary), r)));
  }
}

void importLevels(const std::vector<std::string>& lines, const std::string& file, double offset,
                  CellGrid& grid) {
  prepareImport(grid, lines.size());
  for (size_t i = 1; i < lines.size(); ++i) {
    auto fields = seriesFields(lines, i, file);
    double time = common::toReal(fields[0], where(file, i, 1));
    double level = common::toReal(fields[1], where(file, i, 2));
    grid.setCell(1, static_cast<int>(i), fixed10_3(time));
    grid.setCell(2, static_cast<int>(i), fixed10_3(level + offset));
  }
}

std::string leaveLevelCell(std::string_view text) {
  auto value = realOf(text);
  return value ? fixed10_3(*value) : "";
}

void storeLevelForm(const CellGrid& grid, int boundary, AnalysisModel& model) {
  if (boundary < 1 || boundary > kFluctSeriesBoundaries)
    throw common::RangeError(msg::levelSeriesBoundary(msg::window::fluctBoundaryNumber(), boundary,
                                                      kFluctSeriesBoundaries));
  std::vector<std::pair<double, double>> points;
  for (int row = 1; row < grid.rowCount(); ++row) {
    if (trimmed(grid.cell(1, row)).empty()) break;
    auto time = realOf(grid.cell(1, row));
    auto level = realOf(grid.cell(2, row));
    if (!time || !level) break;
    if (points.size() == static_cast<size_t>(kFluctSeriesCapacity))
      throw common::RangeError(msg::seriesFull(msg::window::levelChange(), kFluctSeriesCapacity));
    points.emplace_back(*time, *level);
  }
  int n = 0;
  for (const auto& [time, level] : points) {
    ++n;
    storeAt(model.FTIME.at(boundary), n, time);
    storeAt(model.FLEV.at(boundary), n, level);
  }
  model.NFT.at(boundary) = n;
}

std::vector<std::string> fixedLevelLines(const AnalysisModel& model) {
  std::vector<std::string> lines;
  for (int g = 1; g <= model.NFIXWL; ++g)
    lines.push_back(common::formatFixed(model.FIXWL.at(g), 7, 3));
  return lines;
}

std::string fixedLevelLine(std::string_view typed) {
  return common::formatFixed(realIn(typed, msg::window::fixedLevel()), 7, 3);
}

std::optional<FixedLevelChoice> chooseFixedLevel(const std::vector<std::string>& lines, int index) {
  if (index < 0 || static_cast<size_t>(index) >= lines.size()) return std::nullopt;
  auto level = realOf(lines[static_cast<size_t>(index)]);
  if (!level) return std::nullopt;
  return FixedLevelChoice{index + 1, *level};
}

void storeFixedLevels(const std::vector<std::string>& lines, AnalysisModel& model) {
  if (lines.size() > static_cast<size_t>(kFixedLevelCapacity))
    throw common::RangeError(msg::fixedLevelsAboveCapacity(msg::window::fixedLevel(), lines.size(),
                                                           kFixedLevelCapacity));
  std::vector<double> levels;
  for (size_t i = 0; i < lines.size(); ++i)
    levels.push_back(realIn(lines[i], msg::lineOf(msg::window::fixedLevel(), i + 1)));
  model.NFIXWL = 0;
  for (double level : levels) model.FIXWL.at(++model.NFIXWL) = level;
}

std::string initialLevelText(const AnalysisModel& model) {
  // The nodes held at a level: as the closing raises their codes.
  std::vector<bool> held(model.NUMNP + 1, false);
  for (int b = 1; b <= model.NFLUCT; ++b)
    for (int k = 1; k <= model.NFN.at(b); ++k) {
      int n = loadAt(model.FLN.at(b), k);
      if (n >= 1 && n <= model.NUMNP) held[n] = true;
    }
  std::optional<double> shared;
  for (int n = 1; n <= model.NUMNP; ++n) {
    if (held[n] || model.KODE.at(n) == 1 || model.IFIXG.at(n) > 0) continue;
    double level = model.H.at(n);
    if (shared && *shared != level) return "";
    shared = level;
  }
  return shared ? common::formatFixed(*shared, 0, 3) : "";
}

void storeInitialLevels(AnalysisModel& model, std::string_view levelText,
                        const std::vector<std::string>* fileLines, const std::string& file) {
  for (int b = 1; b <= model.NFLUCT; ++b)
    for (int k = 1; k <= model.NFN.at(b); ++k)
      nodeSlot(model.KODE, loadAt(model.FLN.at(b), k), msg::window::fluctuating()) = 1;
  for (int n = 1; n <= model.NUMNP; ++n) {
    int group = model.IFIXG.at(n);
    if (group > 0) {
      model.KODE.at(n) = 1;
      model.H.at(n) = model.FIXWL.at(group);
    }
  }
  for (int k = 1; k <= model.NRAIN; ++k)
    nodeSlot(model.KODE, model.RAINN.at(k), msg::window::rainfall()) = -4;

  if (!fileLines) {
    if (trimmed(levelText).empty()) return;
    double level = realOf(levelText).value_or(0.0);
    for (int n = 1; n <= model.NUMNP; ++n)
      if (model.KODE.at(n) != 1) model.H.at(n) = level;
    return;
  }
  for (size_t i = 1; i < fileLines->size(); ++i) {
    auto fields = seriesFields(*fileLines, i, file);
    int n = common::toInt(fields[0], where(file, i, 1));
    if (n < 1 || n > kNodeCapacity)
      throw common::RangeError(common::located(
          where(file, i, 1), msg::outsideRange(msg::field::node(), n, 1, kNodeCapacity)));
    double level = common::toReal(fields[1], where(file, i, 2));
    if (model.KODE.at(n) != 1) model.H.at(n) = level;
  }
}

}  // namespace meshcond::ui
