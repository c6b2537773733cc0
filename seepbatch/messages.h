// The batch tool's own texts (help, usage errors and the summary line of each
// action of the linemesh and cadtrace subcommands), all in one place.
#pragma once

#include <string>

namespace seepbatch::text {

std::string helpTitle();
std::string usageHeading();
std::string helpFooter();
std::string unknownSubcommand(const std::string& command);

// Usage errors.
std::string unknownAction(const std::string& action);
std::string needsArguments(const std::string& action, size_t count);
std::string snapEpsNeedsValue();
std::string snapEpsNotANumber(const std::string& value);
std::string snapEpsOnce();
std::string unknownOption(const std::string& option);
std::string optionNeedsValue(const std::string& option);
std::string noInputDxf();
std::string tooManyFileNames();
std::string formationMissing();

// Summary lines: "<caption> <file>: <counts>".
std::string lineCounts(int nodes, int lines);
std::string elementCounts(int nodes, int elements);
std::string elementTotal(int elements);
std::string formationCounts(int nodes, int lines, int elements, int triangles, int quadrilaterals,
                            int fiveCornerCells);
std::string actionLine(const std::string& caption, const std::string& file,
                       const std::string& summary);
/// The caption of a linemesh action ("--load" -> "読み込み").
std::string actionCaption(const std::string& action);
std::string autoMeshSummary(const std::string& caption, int facesMeshed, int facesKept,
                            int nodesAdded, int linesAdded, const std::string& counts);
std::string converted(int nodes, int lines, const std::string& m3w, const std::string& txt);

// Figures.
std::string figureSizeInvalid(const std::string& text, int minPixels, int maxPixels);
std::string noFigures();

}  // namespace seepbatch::text
