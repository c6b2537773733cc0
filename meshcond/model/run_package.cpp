#include "meshcond/model/run_package.h"

#include <cmath>
#include <string>

#include "common/errors.h"
#include "common/file_group.h"
#include "common/numbers.h"
#include "common/text_file.h"
#include "meshcond/model/all_or_nothing.h"
#include "meshcond/model/messages.h"
#include "meshcond/model/zep_file.h"

namespace meshcond {

namespace {

std::string csvNumber(double value, const std::string& what) {
  if (!std::isfinite(value)) throw common::RangeError(msg::notFinite(what));
  return common::formatGeneral(value);
}

std::string exportTo(const AnalysisModel& model, const char* name,
                     const std::vector<std::string>& lines) {
  std::string path = common::joinPath(model.DirName, name);
  common::writeTextLines(path, lines);
  return path;
}

}  // namespace

std::vector<std::string> inputTxtLines() { return {"ZEP64.DAT", "ZEP64.PRN"}; }

std::vector<std::string> zepanBatLines() {
  return {"time /t", "c:\\zepandir\\zepan2d.exe < input.txt", "time /t"};
}

std::vector<std::string> workLstLines() {
  return {"out1.out",  "out2.out", "out3.out", "out4.out", "out5.out",
          "out6.out",  "out7.out", "out8.out", "out9.out", "out10.out",
          "out11.out", "2000000",  "2000000",  "2000000",  ""};
}

std::vector<std::string> saveAnalysis(AnalysisModel& model, const std::string& path) {
  return changeAllOrNothing(model, [&](AnalysisModel& prepared) {
    prepareZepDat(prepared);
    std::vector<common::GroupFile> files{{path, common::encodeLines(zepDatLines(prepared))}};
    std::vector<std::string> written;
    std::string folder = common::folderOf(path);
    auto addIfAbsent = [&](const char* name, const std::vector<std::string>& lines) {
      std::string target = common::joinPath(folder, name);
      if (common::pathExists(target)) return;
      files.push_back({target, common::encodeLines(lines)});
      written.push_back(name);
    };
    addIfAbsent("input.txt", inputTxtLines());
    addIfAbsent("zepan.bat", zepanBatLines());
    addIfAbsent("WORK.LST", workLstLines());
    common::writeFileGroup(files);
    return written;
  });
}

std::vector<std::string> levelCsvLines(const AnalysisModel& m) {
  if (m.NFT[1] < 0 || m.NFT[1] > kFluctSeriesCapacity)
    throw common::RangeError(
        msg::outsideRange(msg::field::firstLevelSeriesLength(), m.NFT[1], 0, kFluctSeriesCapacity));
  std::vector<std::string> lines{"時間,水位"};
  for (int k = 1; k <= m.NFT[1]; ++k) {
    lines.push_back(csvNumber(loadAt(m.FTIME[1], k), msg::field::levelPointTime(k)) + "," +
                    csvNumber(loadAt(m.FLEV[1], k), msg::field::levelPointLevel(k)));
  }
  return lines;
}

std::vector<std::string> rainCsvLines(const AnalysisModel& m) {
  if (m.NRTIME < 0 || m.NRTIME > kRainSeriesCapacity)
    throw common::RangeError(
        msg::outsideRange(msg::field::rainSeriesLength(), m.NRTIME, 0, kRainSeriesCapacity));
  std::vector<std::string> lines{"時間,降雨"};
  for (int k = 1; k <= m.NRTIME; ++k) {
    lines.push_back(csvNumber(m.RTIME[k], msg::field::rainPointTime(k)) + "," +
                    csvNumber(m.RAIN[k] * 1000.0, msg::field::rainPointIntensity(k)));
  }
  return lines;
}

std::string exportLevels(const AnalysisModel& model) {
  return exportTo(model, kLevelCsvName, levelCsvLines(model));
}

std::string exportRain(const AnalysisModel& model) {
  return exportTo(model, kRainCsvName, rainCsvLines(model));
}

}  // namespace meshcond
