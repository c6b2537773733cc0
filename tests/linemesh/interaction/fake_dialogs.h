// Dialogs that answer from prepared queues, for tests of the mesh maker's
// window and File menu.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "linemesh/interaction/dialogs.h"

namespace linemesh::ui::testing {

/// Answers the dialogs from prepared queues and records what was asked.
class FakeDialogs : public Dialogs {
 public:
  std::deque<std::optional<std::string>> paths;
  std::deque<UnsavedAnswer> answers;
  std::vector<FileDialogSettings> asked;
  std::vector<std::string> messages;
  int questions = 0;
  std::deque<std::optional<AutoMeshChoice>> autoMeshChoices;
  std::vector<AutoMeshChoice> autoMeshProposals;

  std::optional<std::string> openFile(const FileDialogSettings& d) override { return next(d); }
  std::optional<std::string> saveFile(const FileDialogSettings& d) override { return next(d); }
  void message(const std::string& text) override { messages.push_back(text); }
  UnsavedAnswer askUnsaved(const std::string& question) override {
    EXPECT_EQ(question, "変更が保存されていません。保存しますか？");
    ++questions;
    if (answers.empty()) return UnsavedAnswer::Cancel;
    UnsavedAnswer a = answers.front();
    answers.pop_front();
    return a;
  }
  std::optional<AutoMeshChoice> askAutoMesh(const AutoMeshChoice& proposal) override {
    autoMeshProposals.push_back(proposal);
    if (autoMeshChoices.empty()) return std::nullopt;
    auto c = autoMeshChoices.front();
    autoMeshChoices.pop_front();
    return c;
  }

 private:
  std::optional<std::string> next(const FileDialogSettings& d) {
    asked.push_back(d);
    if (paths.empty()) return std::nullopt;
    auto p = paths.front();
    paths.pop_front();
    return p;
  }
};

}  // namespace linemesh::ui::testing
