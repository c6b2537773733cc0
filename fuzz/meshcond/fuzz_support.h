// Shared by the reader fuzz targets: the input as decoded lines, and a model
// with conditions that a load must either replace or leave exactly as it was.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "common/errors.h"
#include "common/text_file.h"
#include "meshcond/model/analysis_model.h"
#include "meshcond/model/mesh_file.h"

namespace meshcond::fuzzing {

inline std::vector<std::string> decodedLines(const uint8_t* data, size_t size) {
  return common::decodeLines(std::string_view(reinterpret_cast<const char*>(data), size));
}

/// A small conditioned model: 3 x 3 nodes, 4 elements, lists on it.
inline const AnalysisModel& baseModel() {
  static const AnalysisModel model = [] {
    AnalysisModel m;
    std::vector<std::string> mesh = {
        "9 4",   "1 0 0", "2 1 0", "3 2 0",       "4 0 1",       "5 1 1",       "6 2 1",
        "7 0 2", "8 1 2", "9 2 2", "1 1 2 5 4 4", "2 2 3 6 5 4", "3 4 5 8 0 3", "4 5 6 9 8 4"};
    loadMeshLines(m, mesh, "base");
    m.MAT[2] = 2;
    m.NUMMAT = 2;
    m.KODE[1] = 1;
    m.H[1] = 1.5;
    m.NRAIN = 2;
    m.RAINN[1] = 7;
    m.RAINN[2] = 9;
    m.NFLUCT = 1;
    m.NFN[1] = 1;
    storeAt(m.FLN[1], 1, 3);
    m.NSEEP = 1;
    m.NSEEPN[1] = 1;
    m.SEEPN[1][1] = 6;
    m.Initial();
    return m;
  }();
  return model;
}

/// Stops the run when a refused load changed the model.
inline void requireUnchanged(const AnalysisModel& model) {
  if (!(model == baseModel())) std::abort();
}

/// Runs load(model) on a copy of the base model. A refused load must leave
/// the copy as it was; gives the loaded model, or null when it was refused.
template <class Load>
AnalysisModel* loadOverBase(Load load) {
  static AnalysisModel model;
  model = baseModel();  // copy assignment reuses the storage
  try {
    load(model);
  } catch (const common::Error&) {
    requireUnchanged(model);
    return nullptr;
  }
  return &model;
}

}  // namespace meshcond::fuzzing
