#include "meshcond/model/d2_file.h"

#include "common/errors.h"

namespace meshcond {

namespace {
[[noreturn]] void notYet() { throw common::Error("this file operation is not available yet"); }
}  // namespace

}  // namespace meshcond
namespace meshcond {
std::vector<std::string> d2DatLines(const AnalysisModel&) { notYet(); }
bool writeD2Dat(const AnalysisModel&, const std::string&) { notYet(); }
}  // namespace meshcond
