// Small DXF texts for the tests: group pairs wrapped in an ENTITIES section.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace cadtrace::testing {

using Groups = std::vector<std::pair<int, std::string>>;

/// "%3d" code lines and value lines, LF-terminated.
inline std::string pairs(const Groups& groups) {
  std::string text;
  for (const auto& [code, value] : groups) {
    std::string c = std::to_string(code);
    if (c.size() < 3) c.insert(0, 3 - c.size(), ' ');
    text += c + "\n" + value + "\n";
  }
  return text;
}

/// A file with a HEADER and an ENTITIES section holding `entities`.
inline std::string entitiesFile(const Groups& entities) {
  return pairs({{0, "SECTION"},
                {2, "HEADER"},
                {9, "$ACADVER"},
                {1, "AC1015"},
                {0, "ENDSEC"},
                {0, "SECTION"},
                {2, "ENTITIES"}}) +
         pairs(entities) + pairs({{0, "ENDSEC"}, {0, "EOF"}});
}

/// A LINE entity with R2000 subclass markers.
inline Groups line(const std::string& x1, const std::string& y1, const std::string& x2,
                   const std::string& y2) {
  return {{0, "LINE"}, {5, "1A"}, {100, "AcDbEntity"}, {8, "0"}, {100, "AcDbLine"},
          {10, x1},    {20, y1},  {30, "0.0"},         {11, x2}, {21, y2},
          {31, "0.0"}};
}

/// An LWPOLYLINE with the given vertices.
inline Groups lwpolyline(const std::vector<std::pair<std::string, std::string>>& vertices,
                         int flags = 1) {
  Groups g = {{0, "LWPOLYLINE"},           {5, "2B"},
              {100, "AcDbEntity"},         {8, "0"},
              {100, "AcDbPolyline"},       {90, std::to_string(vertices.size())},
              {70, std::to_string(flags)}, {43, "0.0"}};
  for (const auto& [x, y] : vertices) {
    g.push_back({10, x});
    g.push_back({20, y});
  }
  return g;
}

inline Groups operator+(Groups a, const Groups& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

}  // namespace cadtrace::testing
