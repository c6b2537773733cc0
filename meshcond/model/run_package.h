// Saving an analysis with its run package, and the two CSV exports.
#pragma once

#include <string>
#include <vector>

#include "meshcond/model/analysis_model.h"

namespace meshcond {

inline constexpr const char* kLevelCsvName = "河川水位.CSV";
inline constexpr const char* kRainCsvName = "降雨.CSV";

/// Writes ZEP.DAT and, beside it, "input.txt", "zepan.bat" and "WORK.LST"
/// when absent, as one group. Returns the package files written (their names).
std::vector<std::string> saveAnalysis(AnalysisModel& model, const std::string& path);

/// The lines of the package files.
std::vector<std::string> inputTxtLines();
std::vector<std::string> zepanBatLines();
std::vector<std::string> workLstLines();

/// The CSV lines: the level series of boundary 1, and the rainfall series in mm/h.
std::vector<std::string> levelCsvLines(const AnalysisModel& model);
std::vector<std::string> rainCsvLines(const AnalysisModel& model);

/// Writes the CSV file into DirName ("" = current folder); returns its path.
std::string exportLevels(const AnalysisModel& model);
std::string exportRain(const AnalysisModel& model);

}  // namespace meshcond
