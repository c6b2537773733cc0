// The real file dialogs and message boxes.
#pragma once

#include <QStringList>

#include "linemesh/ui/dialogs.h"

class QWidget;

namespace linemesh::ui {

/// "caption|pattern|..." as Qt name filters; patterns match either case.
QStringList nameFilters(const std::string& filter);

class QtDialogs : public Dialogs {
 public:
  explicit QtDialogs(QWidget* parent) : parent_(parent) {}

  std::optional<std::string> openFile(const FileDialogState& dialog) override;
  std::optional<std::string> saveFile(const FileDialogState& dialog) override;
  void message(const std::string& text) override;
  Answer askSaveChanges(const std::string& question) override;
  std::optional<AutoMeshChoice> askAutoMesh(const AutoMeshChoice& proposal) override;

 private:
  std::optional<std::string> run(const FileDialogState& dialog, bool save);
  QWidget* parent_;
};

}  // namespace linemesh::ui
