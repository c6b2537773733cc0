#include "meshcond/model/legacy_file.h"

#include "common/errors.h"

namespace meshcond {

namespace {
[[noreturn]] void notYet() { throw common::Error("this file operation is not available yet"); }
}  // namespace

}  // namespace meshcond
namespace meshcond {
void importLegacy(AnalysisModel&, const std::string&) { notYet(); }
void importLegacyLines(AnalysisModel&, const std::vector<std::string>&, const std::string&) {
  notYet();
}
}  // namespace meshcond
