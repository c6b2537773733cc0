// File dialogs and message boxes that answer from a script and record what
// they were shown.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "meshcond/interaction/file_commands.h"

namespace meshcond::ui::testing {

class FakeDialogs : public UserDialogs {
 public:
  std::optional<std::string> openFile(const FileDialogSettings& settings) override {
    return answer(settings, false);
  }
  std::optional<std::string> saveFile(const FileDialogSettings& settings) override {
    return answer(settings, true);
  }
  void message(const std::string& text) override { messages.push_back(text); }
  UnsavedAnswer askUnsaved(const std::string& question) override {
    questions.push_back(question);
    return unsavedAnswer;
  }

  struct Shown {
    FileDialogSettings settings;
    bool save;
  };
  std::deque<std::optional<std::string>> paths;  // next answers; empty = cancel
  std::vector<Shown> shown;
  std::vector<std::string> messages;
  std::vector<std::string> questions;
  UnsavedAnswer unsavedAnswer = UnsavedAnswer::Cancel;

 private:
  std::optional<std::string> answer(const FileDialogSettings& settings, bool save) {
    shown.push_back({settings, save});
    if (paths.empty()) return std::nullopt;
    std::optional<std::string> path = paths.front();
    paths.pop_front();
    return path;
  }
};

}  // namespace meshcond::ui::testing
