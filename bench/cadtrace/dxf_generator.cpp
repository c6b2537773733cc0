#include "bench/cadtrace/dxf_generator.h"

#include <charconv>
#include <cmath>
#include <numbers>
#include <random>

namespace cadtrace::bench {
namespace {

void group(std::string& out, const char* code, std::string_view value) {
  out += code;
  out += "\r\n";
  out += value;
  out += "\r\n";
}

void number(std::string& out, const char* code, double v) {
  char buffer[32];
  auto end = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, 6).ptr;
  group(out, code, std::string_view(buffer, end - buffer));
}

}  // namespace

std::string randomLinesDxf(const RandomLines& spec) {
  std::mt19937_64 random(spec.seed);
  std::uniform_real_distribution<double> position(0, spec.side);
  std::uniform_real_distribution<double> angle(0, std::numbers::pi);
  std::uniform_real_distribution<double> length(0, spec.maxLength);
  std::string out;
  out.reserve(static_cast<size_t>(spec.count) * 160 + 200);
  group(out, "  0", "SECTION");
  group(out, "  2", "HEADER");
  group(out, "  9", "$ACADVER");
  group(out, "  1", "AC1015");
  group(out, "  0", "ENDSEC");
  group(out, "  0", "SECTION");
  group(out, "  2", "ENTITIES");
  for (int k = 0; k < spec.count; ++k) {
    double x = position(random), y = position(random);
    double a = angle(random), half = length(random) / 2;
    double dx = std::cos(a) * half, dy = std::sin(a) * half;
    group(out, "  0", "LINE");
    group(out, "  5", "1F");
    group(out, "100", "AcDbEntity");
    group(out, "  8", "0");
    group(out, "100", "AcDbLine");
    number(out, " 10", x - dx);
    number(out, " 20", y - dy);
    group(out, " 30", "0.0");
    number(out, " 11", x + dx);
    number(out, " 21", y + dy);
    group(out, " 31", "0.0");
  }
  group(out, "  0", "ENDSEC");
  group(out, "  0", "EOF");
  return out;
}

}  // namespace cadtrace::bench
