// The real file dialogs and message boxes.
#pragma once

#include "desktop/qt_user_dialogs.h"
#include "linemesh/interaction/dialogs.h"

namespace linemesh::ui {

class QtDialogs : public desktop::QtUserDialogs, public Dialogs {
 public:
  explicit QtDialogs(QWidget* parent);

  std::optional<AutoMeshChoice> askAutoMesh(const AutoMeshChoice& proposal) override;
};

}  // namespace linemesh::ui
