// seepbatch linemesh: the mesh maker's file operations and element formation.
#include <functional>
#include <iostream>
#include <map>
#include <optional>

#include "common/errors.h"
#include "common/numbers.h"
#include "linemesh/files/m2w_file.h"
#include "linemesh/files/m3w_file.h"
#include "linemesh/files/mesh_file.h"
#include "linemesh/files/plots.h"
#include "linemesh/files/report_file.h"
#include "linemesh/files/voka_file.h"
#include "linemesh/model/auto_mesh.h"
#include "linemesh/model/formation_report.h"
#include "linemesh/model/network.h"
#include "seepbatch/commands.h"
#include "seepbatch/figures.h"
#include "seepbatch/messages.h"

namespace seepbatch {

namespace {

using linemesh::LineNetwork;

struct Action {
  std::string name;
  std::vector<std::string> args;
};

const std::map<std::string, size_t>& actionArity() {
  static const std::map<std::string, size_t> arity = {
      {"--load", 1},         {"--load-mesh", 1},     {"--line", 4},       {"--form", 0},
      {"--save", 1},         {"--save-mesh", 1},     {"--save-m2w", 1},   {"--save-voka", 1},
      {"--plot-lines", 1},   {"--plot-elements", 1}, {"--report", 1},     {"--auto-mesh", 1},
      {"--auto-mesh-at", 3}, {"--figure", 1},        {"--figure-size", 1}};
  return arity;
}

std::string counts(const LineNetwork& net, bool elements) {
  return elements ? text::elementCounts(net.NUMNP, net.NE) : text::lineCounts(net.NUMNP, net.NUMEL);
}

std::string formationSummary(const LineNetwork& net) {
  int triangles = 0, quadrilaterals = 0, faulty = 0;
  for (int e = 1; e <= net.NE; ++e) {
    if (net.KN[e] == 3)
      ++triangles;
    else if (net.KN[e] == 4)
      ++quadrilaterals;
    else
      ++faulty;
  }
  return text::formationCounts(net.NUMNP, net.NUMEL, net.NE, triangles, quadrilaterals, faulty);
}

/// The network and what the last formation made of it.
struct Session {
  LineNetwork net;
  std::optional<linemesh::FormationReport> report;
  std::string loaded;  // the file last read, the figure's title
  figure::FigureSize figureSize;
};

/// One action; returns its summary line (and, after a formation, a line for
/// each kind of fault).
std::string runAction(Session& session, const Action& a) {
  LineNetwork& net = session.net;
  namespace files = linemesh::files;
  const std::string& file = a.args.empty() ? std::string() : a.args[0];
  // A formation belongs to the network it was made on: every action that
  // changes or renumbers the lines leaves no formation to report or draw.
  if (a.name == "--load" || a.name == "--load-mesh" || a.name == "--line" ||
      a.name == "--auto-mesh" || a.name == "--auto-mesh-at" || a.name == "--save")
    session.report.reset();
  if (a.name == "--load") {
    files::readM3W(net, file);
    session.loaded = file;
    return text::actionLine(text::actionCaption(a.name), file, counts(net, false));
  }
  if (a.name == "--load-mesh") {
    files::readMesh(net, file);
    session.loaded = file;
    return text::actionLine(text::actionCaption(a.name), file, counts(net, false));
  }
  if (a.name == "--line") {
    double v[4];
    for (int i = 0; i < 4; ++i) v[i] = common::toReal(a.args[i], {"--line", 0, i + 1});
    net.drawLine(v[0], v[1], v[2], v[3]);
    return text::actionLine(text::actionCaption(a.name), "", counts(net, false));
  }
  if (a.name == "--auto-mesh" || a.name == "--auto-mesh-at") {
    std::vector<double> v;
    for (size_t i = 0; i < a.args.size(); ++i)
      v.push_back(common::toReal(a.args[i], {a.name, 0, static_cast<int>(i) + 1}));
    linemesh::AutoMeshRequest request{v.back(), {}};
    if (v.size() == 3) request.at.push_back({v[0], v[1]});
    const linemesh::AutoMeshResult r = linemesh::autoMesh(net, request);
    std::string summary =
        text::autoMeshSummary(text::actionCaption(a.name), r.facesMeshed, r.facesKept, r.nodesAdded,
                              r.linesAdded, counts(net, false));
    if (!r.warning.empty()) summary += "\n  " + r.warning;
    return summary;
  }
  if (a.name == "--form") {
    net.formElements();
    session.report = linemesh::reportFormation(net);
    std::string summary = text::actionLine(text::actionCaption(a.name), "", formationSummary(net));
    for (const std::string& line : linemesh::faultLines(*session.report, net, 1))
      summary += "\n  " + line;
    return summary;
  }
  if (a.name == "--report") {
    if (!session.report) throw common::Error(text::formationMissing());
    linemesh::files::writeReportJson(*session.report, file);
    return text::actionLine(text::actionCaption(a.name), file,
                            text::elementTotal(session.report->elements));
  }
  if (a.name == "--figure-size") {
    session.figureSize = figureSizeArgument(file);
    return text::actionCaption(a.name) + " " + file;
  }
  if (a.name == "--figure") {
    const linemesh::FormationReport* formation = session.report ? &*session.report : nullptr;
    writeLineFigure(net, formation, figure::fileTitle(session.loaded), file, session.figureSize);
    return text::actionLine(text::actionCaption(a.name), file, counts(net, formation != nullptr));
  }
  if (a.name == "--save") {
    net.tidyForSave();
    files::writeM3W(net, file);
    return text::actionLine(text::actionCaption(a.name), file, counts(net, false));
  }
  if (a.name == "--save-mesh") {
    files::writeMesh(net, file);
    return text::actionLine(text::actionCaption(a.name), file, counts(net, true));
  }
  if (a.name == "--save-m2w") {
    files::writeM2W(net, file);
    return text::actionLine(text::actionCaption(a.name), file, counts(net, false));
  }
  if (a.name == "--save-voka") {
    files::writeVoka(net, file);
    return text::actionLine(text::actionCaption(a.name), file, counts(net, true));
  }
  if (a.name == "--plot-lines") {
    files::writeLinePlot(net, file);
    return text::actionLine(text::actionCaption(a.name), file, counts(net, false));
  }
  files::writeElementPlot(net, file);
  return text::actionLine(text::actionCaption(a.name), file, counts(net, true));
}

int usageError(const std::string& message) {
  std::cerr << "linemesh: " << message << "\n" << text::usageHeading() << kLinemeshUsage;
  return 1;
}

}  // namespace

int runLinemesh(const std::vector<std::string>& args) {
  Session session;
  LineNetwork& net = session.net;
  net.eps = 0.001;
  std::vector<Action> actions;
  size_t i = 0;
  if (i < args.size() && args[i] == "--snap-eps") {
    if (i + 1 >= args.size()) return usageError(text::snapEpsNeedsValue());
    auto eps = common::parseReal(args[i + 1]);
    if (!eps) return usageError(text::snapEpsNotANumber(args[i + 1]));
    net.eps = *eps;
    i += 2;
  }
  for (; i < args.size(); ++i) {
    if (args[i] == "--snap-eps") return usageError(text::snapEpsOnce());
    auto it = actionArity().find(args[i]);
    if (it == actionArity().end()) return usageError(text::unknownAction(args[i]));
    if (i + it->second >= args.size() && it->second > 0)
      return usageError(text::needsArguments(args[i], it->second));
    Action action{args[i], {args.begin() + i + 1, args.begin() + i + 1 + it->second}};
    actions.push_back(std::move(action));
    i += it->second;
  }
  for (const Action& a : actions) {
    try {
      std::cout << runAction(session, a) << std::endl;
    } catch (const std::exception& e) {
      std::cerr << "linemesh " << a.name << ": " << e.what() << "\n";
      return 1;
    }
  }
  return 0;
}

}  // namespace seepbatch
