#include "meshcond/model/zep_file.h"

#include "common/errors.h"

namespace meshcond {

namespace {
[[noreturn]] void notYet() { throw common::Error("this file operation is not available yet"); }
}  // namespace

}  // namespace meshcond
namespace meshcond {
void prepareZepDat(AnalysisModel&) { notYet(); }
std::vector<std::string> zepDatLines(const AnalysisModel&) { notYet(); }
void writeZepDat(AnalysisModel&, const std::string&) { notYet(); }
void readZepDat(AnalysisModel&, const std::string&) { notYet(); }
void readZepDatLines(AnalysisModel&, const std::vector<std::string>&, const std::string&) {
  notYet();
}
void openZepDat(AnalysisModel&, const std::string&) { notYet(); }
}  // namespace meshcond
