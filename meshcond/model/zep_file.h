// The solver input file ZEP.DAT: writer and reader.
#pragma once

#include <string>
#include <vector>

#include "meshcond/model/analysis_model.h"

namespace meshcond {

/// The preparation before writing: derived counts, node codes (and the
/// heads of fixed-level nodes), RMAX, and the fixed solver assignments.
/// Refuses (RangeError) a list node outside 1..NUMNP before changing anything.
void prepareZepDat(AnalysisModel& model);

/// The file's lines for a prepared model. Refuses (RangeError) a value that
/// does not fit its field, or would not read back, naming value, item and field.
std::vector<std::string> zepDatLines(const AnalysisModel& model);

/// prepareZepDat + zepDatLines + an atomic write. A refused write leaves the
/// model and the file as they were.
void writeZepDat(AnalysisModel& model, const std::string& path);

/// Reads a ZEP.DAT file into the model (no Initial). All or nothing.
void readZepDat(AnalysisModel& model, const std::string& path);
void readZepDatLines(AnalysisModel& model, const std::vector<std::string>& lines,
                     const std::string& file);

/// Opening a ZEP.DAT: readZepDat, DirName := the file's folder, Initial. All or nothing.
void openZepDat(AnalysisModel& model, const std::string& path);

}  // namespace meshcond
