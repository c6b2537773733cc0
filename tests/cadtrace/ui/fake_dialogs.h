// A stand-in for the window's dialogs: answers the file dialog from a prepared
// list and records every message instead of showing it.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

#include "desktop/qt_user_dialogs.h"
#include "desktop/user_dialogs.h"

namespace cadtrace::ui::testing {

class FakeDialogs : public desktop::UserDialogs {
 public:
  struct Message {
    QString text;
  };

  /// Answers of the coming file dialogs, first first; nullopt is a cancel.
  std::deque<std::optional<QString>> answers;
  /// The filters each file dialog was shown with, as the kept dialog shows them.
  QStringList filters;
  std::vector<Message> messages;
  std::vector<std::string> questions;

  std::optional<std::string> openFile(const desktop::FileDialogSettings& settings) override {
    filters << desktop::nameFilters(settings.filter, false);
    if (answers.empty()) return std::nullopt;
    std::optional<QString> answer = answers.front();
    answers.pop_front();
    if (!answer) return std::nullopt;
    return answer->toStdString();
  }
  std::optional<std::string> saveFile(const desktop::FileDialogSettings&) override {
    ADD_FAILURE() << "the converter saves without a dialog";
    return std::nullopt;
  }
  void message(const std::string& text) override {
    messages.push_back({QString::fromStdString(text)});
  }
  desktop::UnsavedAnswer askUnsaved(const std::string& question) override {
    questions.push_back(question);
    return desktop::UnsavedAnswer::Cancel;
  }
};

}  // namespace cadtrace::ui::testing
