// The tagged input file D2.DAT and its marker file "ZEPAN.$$$".
#pragma once

#include <string>
#include <vector>

#include "meshcond/model/analysis_model.h"

namespace meshcond {

inline constexpr const char* kMarkerName = "ZEPAN.$$$";

/// The file's lines. Refuses (RangeError) more than 40 materials or a text
/// wider than its field. Changes nothing in the model.
std::vector<std::string> d2DatLines(const AnalysisModel& model);

/// Writes D2.DAT and, in its folder, the marker when absent (one group: all
/// checks first, then the marker, then D2.DAT). Returns whether the marker was written.
bool writeD2Dat(const AnalysisModel& model, const std::string& path);

}  // namespace meshcond
