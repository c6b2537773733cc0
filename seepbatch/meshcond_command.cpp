// seepbatch meshcond: the condition editor's file operations on one model,
// in the order given.
#include <functional>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "common/errors.h"
#include "common/text_file.h"
#include "meshcond/model/analysis_model.h"
#include "meshcond/model/d2_file.h"
#include "meshcond/model/legacy_file.h"
#include "meshcond/model/mesh_file.h"
#include "meshcond/model/messages.h"
#include "meshcond/model/run_package.h"
#include "meshcond/model/zep_file.h"
#include "seepbatch/commands.h"
#include "seepbatch/figures.h"
#include "seepbatch/messages.h"

namespace seepbatch {

const char* const kMeshcondUsage =
    "  seepbatch meshcond ACTION...\n      --load-mesh F  --open F  --import-legacy F  --save F  "
    "--save-mesh F  --save-d2 F\n      --export-levels  --export-rain  --figure-size A4|A3|WxH  "
    "--figure-numbers on|off\n      --figure F.pdf|F.svg|F.png\n";

namespace {

using meshcond::AnalysisModel;
namespace msg = meshcond::msg;

struct Action {
  std::string name;
  std::string file;
};

/// The model and the size of the figures to come.
struct Session {
  AnalysisModel model;
  figure::FigureSize figureSize;
  bool figureNumbers = true;  // element numbers in the figures
};

/// Runs one action and returns its summary line(s).
std::string runAction(Session& session, const Action& a) {
  AnalysisModel& m = session.model;
  if (a.name == "--load-mesh") {
    meshcond::ConvertReport report = meshcond::loadMesh(m, a.file);
    std::string text = msg::meshLoaded(a.file, m.NUMNP, m.NUMEL);
    if (report.converted)
      text += "\n" + msg::carriedOverSummary(report.nodesWithoutPartner,
                                             report.elementsWithoutPartner, report.droppedEntries);
    return text;
  }
  if (a.name == "--open") {
    meshcond::openZepDat(m, a.file);
    return msg::zepRead(a.file, m.NUMNP, m.NUMEL, m.NUMMAT);
  }
  if (a.name == "--import-legacy") {
    meshcond::importLegacy(m, a.file);
    return msg::legacyImported(a.file, m.NUMNP, m.NUMEL, m.NUMMAT);
  }
  if (a.name == "--save") {
    std::vector<std::string> written = meshcond::saveAnalysis(m, a.file);
    return msg::zepWritten(a.file, m.NUMNP, m.NUMEL, m.NUMMAT, written);
  }
  if (a.name == "--save-mesh") {
    meshcond::saveMesh(m, a.file);
    return msg::meshWritten(a.file, m.NUMNP, m.NUMEL);
  }
  if (a.name == "--save-d2") {
    bool marker = meshcond::writeD2Dat(m, a.file);
    return msg::d2Written(a.file, m.NUMNP, m.NUMEL, meshcond::kMarkerName, marker);
  }
  if (a.name == "--figure-size") {
    session.figureSize = figureSizeArgument(a.file);
    return msg::figureSize(a.file);
  }
  if (a.name == "--figure-numbers") {
    if (a.file != "on" && a.file != "off") throw common::Error(msg::figureNumbersOnOff(a.file));
    session.figureNumbers = a.file == "on";
    return msg::figureNumbers(a.file);
  }
  if (a.name == "--figure") {
    writeConditionFigure(m, session.figureNumbers, a.file, session.figureSize);
    return msg::figureWritten(a.file, m.NUMNP, m.NUMEL);
  }
  if (a.name == "--export-levels") {
    std::string path = meshcond::exportLevels(m);
    return msg::levelsExported(path, m.NFT[1]);
  }
  std::string path = meshcond::exportRain(m);
  return msg::rainExported(path, m.NRTIME);
}

}  // namespace

int runMeshcond(const std::vector<std::string>& args) {
  const std::map<std::string, bool> takesFile = {
      {"--load-mesh", true},      {"--open", true},          {"--import-legacy", true},
      {"--save", true},           {"--save-mesh", true},     {"--save-d2", true},
      {"--export-levels", false}, {"--export-rain", false},  {"--figure", true},
      {"--figure-size", true},    {"--figure-numbers", true}};
  std::vector<Action> actions;
  for (size_t i = 0; i < args.size(); ++i) {
    auto known = takesFile.find(args[i]);
    if (known == takesFile.end()) {
      std::cerr << "meshcond: " << text::unknownAction(args[i]) << "\n" << kMeshcondUsage;
      return 1;
    }
    Action action{args[i], ""};
    if (known->second) {
      // The next argument is the file, unless it is missing or an action itself.
      if (i + 1 >= args.size() || args[i + 1].empty() || takesFile.count(args[i + 1]) > 0) {
        std::cerr << "meshcond: " << msg::fileNameMissing(args[i]) << "\n" << kMeshcondUsage;
        return 1;
      }
      action.file = args[++i];
    }
    actions.push_back(action);
  }

  Session session;
  for (const Action& action : actions) {
    try {
      std::cout << runAction(session, action) << "\n";
    } catch (const std::exception& e) {
      std::cout.flush();
      std::cerr << "meshcond: " << action.name << ": " << e.what() << "\n";
      return 1;
    }
  }
  return 0;
}

}  // namespace seepbatch
