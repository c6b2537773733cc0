// A stand-in for the window's dialogs: answers the file dialog from a prepared
// list and records every message instead of showing it.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

#include "cadtrace/ui/user_dialogs.h"

namespace cadtrace::ui::testing {

class FakeDialogs : public UserDialogs {
 public:
  struct Message {
    QString caption;
    QString text;
  };

  /// Answers of the coming file dialogs, first first; nullopt is a cancel.
  std::deque<std::optional<QString>> answers;
  /// The filter each file dialog was shown with.
  QStringList filters;
  std::vector<Message> messages;

  std::optional<QString> chooseFileToOpen(const QString& filter) override {
    filters << filter;
    if (answers.empty()) return std::nullopt;
    std::optional<QString> answer = answers.front();
    answers.pop_front();
    return answer;
  }

  void showMessage(const QString& caption, const QString& text) override {
    messages.push_back({caption, text});
  }
};

}  // namespace cadtrace::ui::testing
