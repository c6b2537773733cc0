// Building the lines of the column files: every number is checked against
// its field before anything is written, so that a file never carries a value
// its readers would misread.
#pragma once

#include <string>
#include <vector>

#include "meshcond/model/messages.h"

namespace meshcond {

/// The name of a written value, put together only when the value is refused.
class Item {
 public:
  Item(const std::string& text) : text_(&text) {}  // NOLINT: names are passed as they are
  Item(const char* text) : before_(text) {}        // NOLINT
  /// before + number + after, e.g. {"node ", 12, " X"}.
  Item(const char* before, long long number, const char* after)
      : before_(before), number_(number), after_(after), numbers_(1) {}
  /// before + number + middle + second + after, e.g. {"element ", 7, " corner ", 2, ""}.
  Item(const char* before, long long number, const char* middle, long long second,
       const char* after)
      : before_(before),
        number_(number),
        middle_(middle),
        second_(second),
        after_(after),
        numbers_(2) {}

  /// A name from the message table with its number(s).
  Item(const msg::Numbered& name, long long number) : Item(name.before, number, name.after) {}
  Item(const msg::Numbered& name, long long number, long long second)
      : Item(name.before, number, name.middle, second, name.after) {}

  std::string str() const;

 private:
  const std::string* text_ = nullptr;
  const char* before_ = "";
  long long number_ = 0;
  const char* middle_ = "";
  long long second_ = 0;
  const char* after_ = "";
  int numbers_ = 0;
};

class FieldWriter {
 public:
  /// `file` names the file kind in messages ("ZEP.DAT", "D2.DAT").
  explicit FieldWriter(std::string file) : file_(std::move(file)) {}

  /// Starts a line. On a blank-separated line every field after the first
  /// must keep a blank in front of it (its reader splits at blanks).
  void begin(bool blankSeparated);
  /// Ends the current line (even when empty).
  void end();
  /// A whole line of text as it is.
  void line(std::string text);

  /// "%{width}d"
  void i(long long value, int width, const Item& item);
  /// "%{width}.{precision}f"
  void f(double value, int width, int precision, const Item& item);
  /// The e format: `digits` significant digits, "E", sign, 3+ exponent digits.
  void e(double value, int width, int digits, const Item& item);
  /// Literal text, not checked.
  void text(const std::string& literal) { current_ += literal; }

  /// Writes `count` entries, n per line: a new line is begun for the first
  /// entry and after every n; a list of 0 entries writes no line.
  template <class Entry>
  void list(int count, int perLine, bool blankSeparated, Entry entry) {
    for (int k = 1; k <= count; ++k) {
      if ((k - 1) % perLine == 0) {
        if (k > 1) end();
        begin(blankSeparated);
      }
      entry(k);
    }
    if (count > 0) end();
  }

  std::vector<std::string> take() { return std::move(lines_); }
  size_t lineCount() const { return lines_.size(); }

 private:
  bool fits(const std::string& text, int width) const;
  [[noreturn]] void refuse(const std::string& text, int width, const Item& item,
                           const std::string& format, const std::string& valueText) const;

  std::string file_;
  std::vector<std::string> lines_;
  std::string current_;
  bool blankSeparated_ = false;
};

}  // namespace meshcond
