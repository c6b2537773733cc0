// The analysis model's parts in the undo history: every field is one, and
// undo gives every field back exactly.
#include "meshcond/model/model_parts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace meshcond {
namespace {

/// Where a field lies in the model object.
struct Place {
  size_t offset;
  size_t size;
  size_t align;
};

// Every byte of the model object belongs to a visited field or is padding
// before the next field: a field added to the model and not to forEachField
// leaves a gap.
TEST(ModelParts, EveryFieldOfTheModelIsVisited) {
  auto model = std::make_unique<AnalysisModel>();
  const char* base = reinterpret_cast<const char*>(model.get());
  std::vector<Place> places;
  forEachField(*model, [&](auto& field) {
    using T = std::remove_reference_t<decltype(field)>;
    places.push_back(
        {static_cast<size_t>(reinterpret_cast<const char*>(&field) - base), sizeof(T), alignof(T)});
  });
  std::sort(places.begin(), places.end(),
            [](const Place& a, const Place& b) { return a.offset < b.offset; });
  auto alignUp = [](size_t at, size_t align) { return (at + align - 1) / align * align; };
  size_t end = 0;
  for (const Place& p : places) {
    EXPECT_EQ(p.offset, alignUp(end, p.align))
        << "a field not visited lies before offset " << p.offset;
    end = std::max(end, p.offset + p.size);
  }
  EXPECT_EQ(alignUp(end, alignof(AnalysisModel)), sizeof(AnalysisModel))
      << "a field not visited lies at the end";
}

// A change to each kind of field: a value, a string, a record, a table, a
// table of tables. Tables change an entry beyond any count and grow.
void change(std::string& text) { text += "x"; }
template <class T>
requires std::is_arithmetic_v<T>
void change(T& value) { value = static_cast<T>(value + 1); }
void change(Corners& corners) { corners[4] += 1; }
template <class T>
void change(std::vector<T>& table) {
  if (table.empty()) table.emplace_back();
  change(table[table.size() / 2]);
  change(table.back());
}

TEST(ModelParts, UndoAndRedoGiveBackEveryFieldExactly) {
  auto model = std::make_unique<AnalysisModel>();
  common::ModelParts parts;
  addModelParts(*model, parts);
  common::History history(parts, 2);
  auto before = std::make_unique<AnalysisModel>();
  auto after = std::make_unique<AnalysisModel>();
  int index = 0;
  forEachField(*model, [&](auto& field) {
    SCOPED_TRACE("field " + std::to_string(index++));
    for (bool grow : {false, true}) {
      *before = *model;
      history.record("change", [&] {
        change(field);
        if constexpr (requires { field.emplace_back(); }) {
          if (grow) field.emplace_back();
        }
      });
      *after = *model;
      ASSERT_FALSE(*after == *before);
      ASSERT_TRUE(history.canUndo());
      history.undo();
      EXPECT_TRUE(*model == *before);
      history.redo();
      EXPECT_TRUE(*model == *after);
    }
  });
}

}  // namespace
}  // namespace meshcond
