// Counts that a writer checks against the tables' capacities before it
// indexes a table by them: a damaged model is refused, not read past a table.
#pragma once

#include <string>

#include "meshcond/model/analysis_model.h"

namespace meshcond {

/// Refuses a count outside 0..capacity: "FILE: what N is outside 0..capacity".
void checkCount(const std::string& file, int count, int capacity, const std::string& what);

/// The counts that both the solver input and D2.DAT carry: nodes, elements,
/// fluctuating boundaries with their node lists and level series, rainfall
/// nodes and series, output times.
void checkSharedCounts(const std::string& file, const AnalysisModel& m);

}  // namespace meshcond
