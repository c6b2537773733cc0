#include "linemesh/model/indexes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>

namespace linemesh::detail {
namespace {

std::vector<int> literalOrder(std::vector<double> keys) {
  std::vector<int> order(keys.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  for (size_t i = 0; i + 1 < keys.size(); ++i)
    for (size_t k = i + 1; k < keys.size(); ++k)
      if (keys[i] > keys[k]) {
        std::swap(keys[i], keys[k]);
        std::swap(order[i], order[k]);
      }
  return order;
}

std::vector<int> literalColumnOrder(std::vector<double> x, std::vector<double> y) {
  std::vector<int> order(x.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  for (size_t i = 0; i + 1 < x.size(); ++i)
    for (size_t k = i + 1; k < x.size(); ++k)
      if (x[i] > x[k] || (std::fabs(x[i] - x[k]) < 0.01 && y[i] > y[k])) {
        std::swap(x[i], x[k]);
        std::swap(y[i], y[k]);
        std::swap(order[i], order[k]);
      }
  return order;
}

TEST(ExchangeSort, MatchesTheLiteralSortAcrossBlocksWithTies) {
  std::mt19937_64 rng(3);
  struct Shape {
    const char* name;
    std::function<double(int, int)> key;  // (position, count)
  };
  std::uniform_int_distribution<int> few(0, 5), some(0, 40);
  std::uniform_real_distribution<double> any(-1, 1);
  const Shape shapes[] = {
      {"few distinct keys", [&](int, int) { return double(few(rng)); }},
      {"some distinct keys", [&](int, int) { return double(some(rng)); }},
      {"rows of a grid, shuffled", [&](int i, int) { return double((i * 7919) % 53 / 9); }},
      {"ascending runs", [&](int i, int) { return (i % 97) + 0.25 * few(rng); }},
      {"descending", [&](int i, int n) { return double(n - i) + (i % 3 == 0 ? 0.5 : 0); }},
      {"random", [&](int, int) { return any(rng); }},
      {"signed zeros", [&](int i, int) { return i % 2 ? 0.0 : -0.0; }},
  };
  for (const Shape& shape : shapes)
    for (int n : {0, 1, 2, 7, 1023, 1024, 1025, 2600}) {
      SCOPED_TRACE(std::string(shape.name) + " n " + std::to_string(n));
      std::vector<double> keys(n);
      for (int i = 0; i < n; ++i) keys[i] = shape.key(i, n);
      ASSERT_EQ(exchangeSortOrder(keys), literalOrder(keys));
    }
}

TEST(ExchangeSort, NotANumberFallsBackToTheLiteralSort) {
  std::vector<double> keys = {3, NAN, 1, 2, NAN, 0};
  EXPECT_EQ(exchangeSortOrder(keys), literalOrder(keys));
}

TEST(ColumnSort, MatchesTheLiteralSortOnNearTies) {
  std::mt19937_64 rng(4);
  std::uniform_int_distribution<int> column(0, 6), row(0, 4);
  const double offsets[] = {0, 0, 1e-12, 0.005, -0.005, 0.0099, 0.01, 0.0101, 0.015, 0.02};
  std::uniform_int_distribution<int> offset(0, std::size(offsets) - 1);
  for (int run = 0; run < 40; ++run) {
    int n = 1 + run * run * 2;
    std::vector<double> x(n), y(n);
    for (int i = 0; i < n; ++i) {
      x[i] = column(rng) * 0.03 + offsets[offset(rng)];
      y[i] = row(rng) + offsets[offset(rng)];
    }
    ASSERT_EQ(columnSortOrder(x, y), literalColumnOrder(x, y)) << "run " << run;
  }
}

TEST(ColumnSort, MatchesTheLiteralSortOnRowsAcrossBlocks) {
  // Rows of a grid, bottom row first, as the row sort leaves them: the
  // column sort then carries long chains through its holders.
  std::mt19937_64 rng(5);
  std::uniform_real_distribution<double> jitter(-0.006, 0.006);
  for (bool exact : {true, false}) {
    std::vector<double> x, y;
    for (int row = 0; row < 26; ++row)
      for (int col = 0; col < 100; ++col) {
        int c = (col * 37 + row * 11) % 100;
        x.push_back(c + (exact ? 0 : jitter(rng)));
        y.push_back(row + (exact ? 0 : jitter(rng)));
      }
    SCOPED_TRACE(exact ? "exact grid" : "jittered grid");
    ASSERT_EQ(columnSortOrder(x, y), literalColumnOrder(x, y));
  }
}

TEST(ColumnSort, MatchesTheLiteralSortOnJitteredColumnsInRowOrder) {
  // Nodes of a jittered grid with points between the columns, in the order
  // the row sort leaves them: columns lie within 0.01 of their neighbours
  // and the holders form long chains.
  std::mt19937_64 rng(6);
  std::uniform_real_distribution<double> jitter(-0.2, 0.2), fine(-0.012, 0.012);
  std::uniform_int_distribution<int> column(0, 39);
  std::vector<double> x, y;
  for (int row = 0; row < 60; ++row)
    for (int col = 0; col < 50; ++col) {
      bool between = col % 5 == 4;
      x.push_back(column(rng) + (between ? 0.5 + fine(rng) : jitter(rng)));
      y.push_back(row + (col % 3 == 0 ? 0 : fine(rng)));
    }
  ASSERT_EQ(columnSortOrder(x, y), literalColumnOrder(x, y));
}

}  // namespace
}  // namespace linemesh::detail
