// A canvas that records what is drawn on it, with the tools in use.
#pragma once

#include <string>
#include <vector>

#include "linemesh/interaction/canvas.h"

namespace linemesh::ui::testing {

struct Command {
  std::string kind;  // "fill", "line", "ellipse", "rectangle", "rings", "text"
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  std::string text;
  DrawingTools tools;
  std::vector<std::vector<std::array<int, 2>>> rings;
};

class RecordingCanvas : public Canvas {
 public:
  RecordingCanvas(int w, int h) : w_(w), h_(h) {}
  int width() const override { return w_; }
  int height() const override { return h_; }
  void fillRect(int x1, int y1, int x2, int y2) override { add("fill", x1, y1, x2, y2); }
  void line(int x1, int y1, int x2, int y2) override { add("line", x1, y1, x2, y2); }
  void ellipse(int x1, int y1, int x2, int y2) override { add("ellipse", x1, y1, x2, y2); }
  void rectangle(int x1, int y1, int x2, int y2) override { add("rectangle", x1, y1, x2, y2); }
  void fillRings(const std::vector<std::vector<std::array<int, 2>>>& rings) override {
    add("rings", 0, 0, 0, 0);
    commands.back().rings = rings;
  }
  void textOut(int x, int y, const std::string& text) override {
    add("text", x, y, x, y);
    commands.back().text = text;
  }

  std::vector<Command> commands;

  std::vector<Command> ofKind(const std::string& kind) const {
    std::vector<Command> out;
    for (const Command& c : commands) {
      if (c.kind == kind) out.push_back(c);
    }
    return out;
  }

 private:
  void add(const char* kind, int x1, int y1, int x2, int y2) {
    Command c;
    c.kind = kind;
    c.x1 = x1, c.y1 = y1, c.x2 = x2, c.y2 = y2;
    c.tools = tools();
    commands.push_back(std::move(c));
  }
  int w_, h_;
};

}  // namespace linemesh::ui::testing
