// Importing the old form of ZEP.DAT (free-format numbers).
#pragma once

#include <string>
#include <vector>

#include "meshcond/model/analysis_model.h"

namespace meshcond {

/// Imports an old-style file: reads it, applies the import's fixed
/// assignments, then Initial. All or nothing.
void importLegacy(AnalysisModel& model, const std::string& path);
void importLegacyLines(AnalysisModel& model, const std::vector<std::string>& lines,
                       const std::string& file);

}  // namespace meshcond
