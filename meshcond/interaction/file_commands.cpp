// File menu commands: dialogs, file operations, view reset and messages.
#include "meshcond/interaction/file_commands.h"

#include <cctype>
#include <exception>
#include <utility>

#include "common/errors.h"
#include "meshcond/model/d2_file.h"
#include "meshcond/model/legacy_file.h"
#include "meshcond/model/mesh_file.h"
#include "meshcond/model/messages.h"
#include "meshcond/model/run_package.h"
#include "meshcond/model/zep_file.h"

namespace meshcond::ui {

FileCommands::FileCommands(ConditionEditor& editor, UserDialogs& dialogs,
                           std::function<void()> redraw)
    : editor_(editor), model_(editor.model), dialogs_(dialogs), redraw_(std::move(redraw)) {}

template <class Operation>
bool FileCommands::guarded(Operation&& operation) {
  try {
    operation();
    return true;
  } catch (const std::exception& e) {
    dialogs_.message(e.what());
  } catch (...) {
    dialogs_.message(msg::unexpectedError());
  }
  return false;
}

std::string carryOverMessage(const ConvertReport& report) {
  return msg::carriedOver(report.nodesWithoutPartner, report.elementsWithoutPartner,
                          report.droppedEntries);
}

template <class Load>
bool FileCommands::openAndLoad(Load&& load, std::optional<std::string> path) {
  if (!settleUnsavedChanges()) return false;
  if (!path) path = dialogs_.openFile(openDialog);
  if (!path) return false;
  openDialog.fileName = *path;
  common::History& history = editor_.history;
  history.begin();
  bool carriesOver = false;
  if (!guarded([&] { carriesOver = load(*path); })) {
    history.commit(kCarryOverStep);  // a refused load changes nothing: no step
    return false;
  }
  if (carriesOver) {
    // The conditions carried over onto the new mesh are in no file yet: a
    // step that undo takes back to the model before the load.
    history.commit(kCarryOverStep);
  } else {
    // What was just read is in its file: a new history, nothing unsaved.
    history.clear();
  }
  editor_.resetViewToModel();
  redraw_();
  return true;
}

void FileCommands::Mesh1Click() { openMesh(std::nullopt); }

void FileCommands::ZEPDAT2Click() { openZep(std::nullopt); }

void FileCommands::openMesh(std::optional<std::string> path) {
  openDialog.filter = msg::window::filterMesh();
  ConvertReport report;
  bool loaded = openAndLoad(
      [&](const std::string& p) {
        report = loadMesh(model_, p);
        return report.converted;
      },
      std::move(path));
  if (loaded && report.converted) dialogs_.message(carryOverMessage(report));
}

void FileCommands::openZep(std::optional<std::string> path) {
  openDialog.filter = msg::window::filterZepan();
  openAndLoad(
      [&](const std::string& p) {
        openZepDat(model_, p);
        return false;
      },
      std::move(path));
}

void FileCommands::openPath(const std::string& path) {
  std::string name = path.substr(path.find_last_of('/') + 1);
  for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (name.rfind("ZEP", 0) == 0)
    openZep(path);
  else
    openMesh(path);
}

void FileCommands::ZEPDAT1Click() {
  openDialog.filter = "ZEP.DAT(*.DAT)|*.DAT";
  openDialog.fileName = "ZEP.DAT";
  openAndLoad([&](const std::string& path) {
    importLegacy(model_, path);
    return false;
  });
}

bool FileCommands::Save1Click() {
  saveDialog.defaultExt = "DAT";
  saveDialog.initialDir = model_.DirName;
  saveDialog.fileName = "ZEP64.DAT";
  std::optional<std::string> path = dialogs_.saveFile(saveDialog);
  if (!path) return false;
  saveDialog.fileName = *path;
  // Saving derives the node codes and counts in the model: a step of its
  // own, after which the model is the one in the file.
  std::vector<std::string> package;
  if (!guarded([&] { editor_.step(kSaveStep, [&] { package = saveAnalysis(model_, *path); }); }))
    return false;
  written = writtenMessage("ZEP.DAT", *path, package);
  editor_.history.markSaved();
  return true;
}

void FileCommands::MESH2Click() {
  saveDialog.fileName = "MESH.DAT";
  saveDialog.filter = msg::window::filterMeshData();
  // The corner counts are stored whether or not the file is written.
  editor_.step(kMeshSaveStep, [&] { model_.deriveKN(); });
  std::optional<std::string> path = dialogs_.saveFile(saveDialog);
  if (!path) return;
  saveDialog.fileName = *path;
  if (guarded([&] { saveMesh(model_, *path); })) written = writtenMessage("MESH.DAT", *path);
}

void FileCommands::D2DAT1Click() {
  saveDialog.defaultExt = "DAT";
  saveDialog.fileName = "D2.DAT";
  std::optional<std::string> path = dialogs_.saveFile(saveDialog);
  if (!path) return;
  saveDialog.fileName = *path;
  if (guarded([&] { writeD2Dat(model_, *path); })) written = writtenMessage("D2.DAT", *path);
}

void FileCommands::Kasen1Click() {
  guarded([&] { written = writtenMessage(kLevelCsvName, exportLevels(model_)); });
}

void FileCommands::Kouu1Click() {
  guarded([&] { written = writtenMessage(kRainCsvName, exportRain(model_)); });
}

std::string writtenMessage(const std::string& what, const std::string& path,
                           const std::vector<std::string>& alsoWritten) {
  return msg::written(what, path, alsoWritten);
}

bool FileCommands::mayClose() { return settleUnsavedChanges(); }

bool FileCommands::settleUnsavedChanges() {
  if (!editor_.modified()) return true;
  return dialogs_.settleUnsaved(kUnsavedQuestion, [this] { return Save1Click(); });
}

}  // namespace meshcond::ui
