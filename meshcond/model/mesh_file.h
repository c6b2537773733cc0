// The mesh file (MESH.DAT) as the condition editor reads and writes it, and
// carrying conditions over from the previous mesh to a new one.
#pragma once

#include <string>
#include <vector>

#include "meshcond/model/analysis_model.h"

namespace meshcond {

/// Loads a mesh file into the model. With no conditions yet (NUMMAT < 1) it
/// applies the first-mesh assignments; otherwise it saves the current mesh
/// and carries the conditions over (Convert). Then Initial. All or nothing:
/// any error leaves the model exactly as it was.
ConvertReport loadMesh(AnalysisModel& model, const std::string& path);

/// As loadMesh, from the decoded lines of a file named `file`.
ConvertReport loadMeshLines(AnalysisModel& model, const std::vector<std::string>& lines,
                            const std::string& file);

/// Carries KODE, H, Q, MAT and the node lists of the previous mesh (the OLD
/// tables) over to the current one by position.
ConvertReport Convert(AnalysisModel& model);

/// The mesh file's lines; stores KN (3 when corner 4 is 0, else 4).
std::vector<std::string> meshLines(AnalysisModel& model);

/// Writes the mesh file (atomically); stores KN.
void saveMesh(AnalysisModel& model, const std::string& path);

}  // namespace meshcond
