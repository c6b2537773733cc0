#include "meshcond/model/run_package.h"

#include "common/errors.h"

namespace meshcond {

namespace {
[[noreturn]] void notYet() { throw common::Error("this file operation is not available yet"); }
}  // namespace

}  // namespace meshcond
namespace meshcond {
std::vector<std::string> saveAnalysis(AnalysisModel&, const std::string&) { notYet(); }
std::vector<std::string> inputTxtLines() { notYet(); }
std::vector<std::string> zepanBatLines() { notYet(); }
std::vector<std::string> workLstLines() { notYet(); }
std::vector<std::string> levelCsvLines(const AnalysisModel&) { notYet(); }
std::vector<std::string> rainCsvLines(const AnalysisModel&) { notYet(); }
std::string exportLevels(const AnalysisModel&) { notYet(); }
std::string exportRain(const AnalysisModel&) { notYet(); }
}  // namespace meshcond
