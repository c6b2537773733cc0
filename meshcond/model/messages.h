// The condition editor's messages: the sentences its files, windows and
// batch action show, in one table. Each function returns the whole text with
// its values filled in; the callers add the position (file, line, field) and
// name the item read or written (a field label such as "要素番号").
#pragma once

#include <string>
#include <vector>

#include "common/messages.h"

namespace meshcond::msg {

// Names of the things a message points at.
std::string node(int n);
using common::messages::element;
std::string material(int k);
using common::messages::corner;
std::string seepageFace(int f);
std::string fluctBoundary(int b);
std::string fluxBoundary(int b);
std::string boundary(int b);
std::string rainfallNodes();
std::string wellList(int k);
std::string nth(const std::string& what, int k);  // "what の k 番目"

// Reading files.
using common::messages::fileEndsExpecting;
std::string fileEndsBefore(const std::string& file, const std::string& what);
using common::messages::appearsTwice;
using common::messages::columns;
using common::messages::notInteger;
using common::messages::notReal;
using common::messages::outsideRange;
using common::messages::tooFewFields;
std::string titleNotCp932();
std::string seriesOnlyOnFirstBoundaries(int b, int last);
using common::messages::fiveCornerCell;

// Checking and writing files.
std::string aboveLimit(const std::string& file, const std::string& what, long value, long limit);
std::string titleOneLine(const std::string& file);
std::string listNodeOutside(const std::string& list, int entry, int node, int high);
std::string groupMissing(int node, int group, int levels);
std::string tooManyFixedLevels(int node, int capacity);
std::string cornerOutside(int element, int corner, int node, int capacity);
std::string materialOutside(int material, int capacity);
std::string writtenItem(const std::string& file, size_t line, const std::string& item,
                        const std::string& value);
std::string fieldTooNarrow(const std::string& where, const std::string& format, size_t chars,
                           int width);
std::string fieldFilled(const std::string& where, const std::string& format);
std::string notFinite(const std::string& what);

// Editing.
std::string listFull(const std::string& what, int list, int capacity);
std::string listNumberOutside(const std::string& label, int number, int limit);
std::string pitchNotPositive(const std::string& pitch);
std::string tooManyOutputTimes(int capacity, const std::string& start, const std::string& end,
                               const std::string& pitch);
std::string outputTimesAboveCapacity(const std::string& label, int count, int capacity);
std::string cellMissing(const std::string& cell);
std::string cellName(int column, int row);
std::string materialAboveCapacity(int material, int element, int capacity);
std::string twoFieldsExpected(size_t found);
std::string seriesFull(const std::string& label, int capacity);
std::string levelSeriesBoundary(const std::string& label, int boundary, int last);
std::string fixedLevelsAboveCapacity(const std::string& label, size_t count, int capacity);
std::string lineOf(const std::string& label, size_t line);
std::string unexpectedError();
std::string missingFixedLevel();
std::string carriedOver(int nodesWithoutPartner, int elementsWithoutPartner, int droppedEntries);
/// "what を書き出しました: path", naming the files written beside it.
std::string written(const std::string& what, const std::string& path,
                    const std::vector<std::string>& alsoWritten = {});

// The batch tool's condition-editor actions (seepbatch meshcond).
std::string meshLoaded(const std::string& file, int nodes, int elements);
std::string carriedOverSummary(int nodesWithoutPartner, int elementsWithoutPartner,
                               int droppedEntries);
std::string zepRead(const std::string& file, int nodes, int elements, int materials);
std::string legacyImported(const std::string& file, int nodes, int elements, int materials);
std::string zepWritten(const std::string& file, int nodes, int elements, int materials,
                       const std::vector<std::string>& packageFiles);
std::string meshWritten(const std::string& file, int nodes, int elements);
std::string d2Written(const std::string& file, int nodes, int elements, const std::string& marker,
                      bool markerWritten);
std::string figureSize(const std::string& size);
std::string figureNumbers(const std::string& onOff);
std::string figureNumbersOnOff(const std::string& value);
std::string figureWritten(const std::string& file, int nodes, int elements);
std::string levelsExported(const std::string& path, int points);
std::string rainExported(const std::string& path, int points);
std::string unknownAction(const std::string& action);
std::string fileNameMissing(const std::string& action);

}  // namespace meshcond::msg
