#include "cadtrace/model/dxf_reader.h"

#include <cstdint>
#include <optional>

#include "cadtrace/model/messages.h"
#include "common/errors.h"
#include "common/numbers.h"
#include "common/text_file.h"

namespace cadtrace {
namespace {

constexpr std::string_view kBinarySentinel = "AutoCAD Binary DXF";

// POLYLINE flags of the kinds that are not two-dimensional outlines:
// 3-D polyline, 3-D polygon mesh, polyface mesh.
constexpr int32_t kSkippedPolylineFlags = 8 | 16 | 64;

/// Trims blanks and tabs only (a DXF value may hold other control bytes).
std::string_view trim(std::string_view s) {
  size_t begin = 0;
  size_t end = s.size();
  while (begin < end && (s[begin] == ' ' || s[begin] == '\t')) ++begin;
  while (end > begin && (s[end - 1] == ' ' || s[end - 1] == '\t')) --end;
  return s.substr(begin, end - begin);
}

/// A group: its code and its trimmed value, with the value's 1-based line.
struct Group {
  int32_t code = 0;
  std::string_view value;
  long line = 0;
};

/// Entities are runs of groups: a code-0 group (the type) and the groups up
/// to the next code 0.
struct Entity {
  std::string_view type;
  const Group* begin = nullptr;  // the groups after the type
  const Group* end = nullptr;
};

class EntityReader {
 public:
  EntityReader(std::string_view bytes, const std::string& fileName);
  DxfDrawing read();

 private:
  [[noreturn]] void fail(long line, const std::string& what) const;
  /// A value the converter uses that is not a number.
  [[noreturn]] void wrongText(const Group& g) const;
  std::vector<Group> scanGroups(const std::vector<std::string_view>& lines);
  double real(const Group& g) const;
  int32_t integer(const Group& g) const;
  /// The entity starting at groups_[at] (a code-0 group); at moves past it.
  Entity next(size_t& at) const;

  void readLine(const Entity& e);
  void readLwPolyline(const Entity& e);
  void readPolyline(const Entity& header, size_t& at);

  std::string_view bytes_;
  const std::string& file_;
  std::vector<Group> groups_;
  DxfDrawing drawing_;
};

EntityReader::EntityReader(std::string_view bytes, const std::string& fileName)
    : bytes_(bytes), file_(fileName) {}

void EntityReader::fail(long line, const std::string& what) const {
  throw common::ConversionError(common::located({file_, line, 0}, what));
}

void EntityReader::wrongText(const Group& g) const {
  throw common::ConversionError(messages::wrongText(file_, g.line, common::decodeCp932(g.value)));
}

double EntityReader::real(const Group& g) const {
  if (auto v = common::parseReal(g.value)) return *v;
  wrongText(g);
}

int32_t EntityReader::integer(const Group& g) const {
  if (auto v = common::parseInt(g.value)) return *v;
  wrongText(g);
}

std::vector<Group> EntityReader::scanGroups(const std::vector<std::string_view>& lines) {
  size_t start = 0;
  while (start < lines.size() && trim(lines[start]) != "ENTITIES") ++start;
  if (start == lines.size()) throw common::MissingError(messages::noEntities(file_));
  std::vector<Group> groups;
  groups.reserve((lines.size() - start) / 2);
  auto noEndsec = [&] {
    return common::MissingError(messages::noEndsec(file_, static_cast<long>(start + 1)));
  };
  for (size_t at = start + 1;; at += 2) {
    if (at >= lines.size()) throw noEndsec();
    std::optional<int32_t> code = common::parseInt(trim(lines[at]));
    if (!code)
      fail(static_cast<long>(at + 1),
           messages::groupCodeNotInteger(common::decodeCp932(trim(lines[at]))));
    if (at + 1 == lines.size()) throw noEndsec();  // a last code without its value
    std::string_view value = trim(lines[at + 1]);
    if (*code == 0 && value == "ENDSEC") break;
    groups.push_back({*code, value, static_cast<long>(at + 2)});
  }
  return groups;
}

Entity EntityReader::next(size_t& at) const {
  Entity e;
  e.type = groups_[at].value;
  ++at;
  e.begin = groups_.data() + at;
  while (at < groups_.size() && groups_[at].code != 0) ++at;
  e.end = groups_.data() + at;
  return e;
}

void EntityReader::readLine(const Entity& e) {
  DxfSegment s;
  for (const Group* g = e.begin; g != e.end; ++g) {
    switch (g->code) {
      case 10:
        s.start.x = real(*g);
        break;
      case 20:
        s.start.y = real(*g);
        break;
      case 11:
        s.end.x = real(*g);
        break;
      case 21:
        s.end.y = real(*g);
        break;
      default:
        break;
    }
  }
  drawing_.lines.push_back(s);
}

void EntityReader::readLwPolyline(const Entity& e) {
  std::vector<Point> vertices;
  for (const Group* g = e.begin; g != e.end; ++g) {
    if (g->code == 10) {
      vertices.push_back({real(*g), 0.0});
    } else if (g->code == 20 && !vertices.empty()) {
      vertices.back().y = real(*g);
    }
    // Widths, bulges, vertex identifiers and the rest are not used:
    // bulges are taken as straight segments.
  }
  if (!vertices.empty()) drawing_.polylines.push_back(std::move(vertices));
}

void EntityReader::readPolyline(const Entity& header, size_t& at) {
  int32_t flags = 0;
  for (const Group* g = header.begin; g != header.end; ++g)
    if (g->code == 70) flags = integer(*g);
  bool kept = (flags & kSkippedPolylineFlags) == 0;
  std::vector<Point> vertices;
  while (at < groups_.size() && groups_[at].value == "VERTEX") {
    Entity vertex = next(at);
    if (!kept) continue;
    Point p;
    for (const Group* g = vertex.begin; g != vertex.end; ++g) {
      if (g->code == 10) p.x = real(*g);
      if (g->code == 20) p.y = real(*g);
    }
    vertices.push_back(p);
  }
  if (at < groups_.size() && groups_[at].value == "SEQEND") next(at);
  if (kept && !vertices.empty()) drawing_.polylines.push_back(std::move(vertices));
}

DxfDrawing EntityReader::read() {
  if (bytes_.substr(0, kBinarySentinel.size()) == kBinarySentinel)
    throw common::ConversionError(messages::binaryDxf(file_));
  groups_ = scanGroups(common::splitLines(bytes_));
  size_t at = 0;
  while (at < groups_.size() && groups_[at].code != 0) ++at;
  while (at < groups_.size()) {
    Entity e = next(at);
    if (e.type == "LINE") {
      readLine(e);
    } else if (e.type == "LWPOLYLINE") {
      readLwPolyline(e);
    } else if (e.type == "POLYLINE") {
      readPolyline(e, at);
    }
  }
  return std::move(drawing_);
}

}  // namespace

DxfDrawing readDxfEntities(std::string_view bytes, const std::string& fileName) {
  return EntityReader(bytes, fileName).read();
}

}  // namespace cadtrace
