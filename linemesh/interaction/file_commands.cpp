#include "linemesh/interaction/file_commands.h"

#include <cctype>

#include "common/text_file.h"
#include "linemesh/files/m2w_file.h"
#include "linemesh/files/m3w_file.h"
#include "linemesh/files/mesh_file.h"
#include "linemesh/files/plots.h"
#include "linemesh/files/voka_file.h"
#include "linemesh/model/messages.h"

namespace linemesh::ui {

FileCommands::FileCommands(LineNetwork& net, LineEditor& editor, Dialogs& dialogs)
    : net_(net), editor_(editor), dialogs_(dialogs) {}

std::optional<std::string> FileCommands::askOpen() {
  auto path = dialogs_.openFile(openDialog);
  if (path) openDialog.fileName = *path;
  return path;
}

std::optional<std::string> FileCommands::askSave() {
  auto path = dialogs_.saveFile(saveDialog);
  if (path) saveDialog.fileName = *path;
  return path;
}

std::string FileCommands::proposedName(const std::string& ending) const {
  const std::string base = networkFile.empty() ? "MESH" : networkFile;
  const size_t dot = base.rfind('.');
  const size_t slash = base.rfind('/');
  const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (hasExtension ? base.substr(0, dot) : base) + ending;
}

void FileCommands::written(const std::string& what, const std::string& path) {
  editor_.panel.status = text::written(what, path);
}

bool FileCommands::settleUnsavedChanges() {
  if (!editor_.modified) return true;
  return dialogs_.settleUnsaved(kUnsavedQuestion, [this] { return Save1Click(); });
}

void FileCommands::Load1Click() {
  if (!settleUnsavedChanges()) return;
  openDialog.filter = text::filterM3WOrDxf();
  const auto path = askOpen();
  if (!path) return;
  MeshName = *path;
  files::readM3W(net_, *path);
  networkFile = *path;
  editor_.networkLoaded();
}

void FileCommands::MESHDAT1Click() {
  if (!settleUnsavedChanges()) return;
  openDialog.fileName = "MESH.DAT";
  openDialog.filter = text::filterMeshData();
  const auto path = askOpen();
  if (!path) return;
  files::readMesh(net_, *path);
  networkFile = *path;
  editor_.networkLoaded();
}

void FileCommands::openPath(const std::string& path) {
  std::string extension = path.size() >= 4 ? path.substr(path.size() - 4) : "";
  for (char& c : extension) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (extension == ".DAT") {
    files::readMesh(net_, path);
  } else {
    files::readM3W(net_, path);
    MeshName = path;
  }
  openDialog.fileName = path;
  networkFile = path;
  editor_.networkLoaded();
}

bool FileCommands::Save1Click() {
  editor_.step(text::stepTidyForSave(), [this] { net_.tidyForSave(); });
  editor_.redraw();
  saveDialog.defaultExt = "M3W";
  saveDialog.filter = text::filterM3W();
  saveDialog.fileName = MeshName.empty() ? proposedName(".M3W") : MeshName;
  const auto path = askSave();
  if (!path) return false;
  files::writeM3W(net_, *path);
  networkFile = *path;
  editor_.markSaved();
  written(text::writtenM3W(), *path);
  return true;
}

void FileCommands::M2W1Click() {
  saveDialog.defaultExt = "M2W";
  saveDialog.filter = text::filterM2W();
  saveDialog.fileName = proposedName(".M2W");
  if (const auto path = askSave()) {
    files::writeM2W(net_, *path);
    written(text::writtenM2W(), *path);
  }
}

void FileCommands::M3WPlot1Click() {
  saveDialog.defaultExt = "DXF";
  saveDialog.filter = text::filterDxf();
  saveDialog.fileName = proposedName(".DXF");
  if (const auto path = askSave()) {
    files::writeLinePlot(net_, *path);
    written(text::writtenLinePlot(), *path);
  }
}

void FileCommands::Plot1Click() {
  saveDialog.defaultExt = "DXF";
  saveDialog.filter = text::filterDxf();
  saveDialog.fileName = common::joinPath(common::folderOf(networkFile), "TEST.DXF");
  if (const auto path = askSave()) {
    files::writeElementPlot(net_, *path);
    written(text::writtenElementPlot(), *path);
  }
}

void FileCommands::Mesh1Click() {
  saveDialog.defaultExt = "DAT";
  saveDialog.filter = text::filterZep();
  saveDialog.fileName = proposedName(".DAT");
  if (const auto path = askSave()) {
    files::writeMesh(net_, *path);
    written(text::writtenMeshData(), *path);
  }
}

void FileCommands::VOKA1Click() {
  saveDialog.filter = text::filterVoka();
  saveDialog.defaultExt = "DAT";
  // Beside the mesh data, never over it.
  saveDialog.fileName = proposedName("_VK.DAT");
  if (const auto path = askSave()) {
    files::writeVoka(net_, *path);
    written(text::writtenVoka(), *path);
  }
}

}  // namespace linemesh::ui
