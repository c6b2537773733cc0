// A build without the windows has no figures.
#include "common/errors.h"
#include "seepbatch/figures.h"

namespace seepbatch {

namespace {
[[noreturn]] void refuse() { throw common::Error("このビルドには図の出力がありません"); }
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
