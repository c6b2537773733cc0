// A build without the windows has no figures.
#include "common/errors.h"
#include "seepbatch/figures.h"
#include "seepbatch/messages.h"

namespace seepbatch {

namespace {
[[noreturn]] void refuse() { throw common::Error(text::noFigures()); }
}  // namespace

void writeLineFigure(linemesh::LineNetwork&, const linemesh::FormationReport*, const std::string&,
                     const std::string&, const figure::FigureSize&) {
  refuse();
}

void writeConditionFigure(const meshcond::AnalysisModel&, bool, const std::string&,
                          const figure::FigureSize&) {
  refuse();
}

}  // namespace seepbatch
