// Figures of the batch tool, drawn as the windows draw them but without a
// window. Qt starts (offscreen) only when the first figure is written.
#pragma once

#include <string>

#include "figure/layout.h"
#include "linemesh/model/formation_report.h"
#include "linemesh/model/network.h"
#include "meshcond/model/analysis_model.h"

namespace seepbatch {

/// The whole network: its lines, or with a formation report its elements.
void writeLineFigure(linemesh::LineNetwork& net, const linemesh::FormationReport* formation,
                     const std::string& title, const std::string& path,
                     const figure::FigureSize& size);

/// The whole model with its conditions and the legend, the element numbers
/// when numbers is true.
void writeConditionFigure(const meshcond::AnalysisModel& model, bool numbers,
                          const std::string& path, const figure::FigureSize& size);

/// "--figure-size": A4, A3 or WIDTHxHEIGHT; common::Error for anything else.
figure::FigureSize figureSizeArgument(const std::string& text);

}  // namespace seepbatch
