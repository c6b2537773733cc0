#include "common/fields.h"

#include <gtest/gtest.h>

namespace {

using Fields = std::vector<std::string>;

struct SplitCase {
  std::string line;
  Fields fields;
};

TEST(SplitFields, FollowsTheCommaTextRule) {
  const SplitCase cases[] = {
      {"", {}},
      {"   \t ", {}},
      {"1 2 3", {"1", "2", "3"}},
      {"  1   2", {"1", "2"}},
      {"1,2", {"1", "2"}},
      {"1 , 2", {"1", "2"}},
      {"1,,2", {"1", "", "2"}},
      {"1,", {"1", ""}},
      {"1, ", {"1"}},
      {"1,,", {"1", "", ""}},
      {",1", {"", "1"}},
      {"1\t2\r", {"1", "2"}},
      {std::string("1\0"
                   "2",
                   3),
       {"1", "2"}},
      {"\"a b\",c", {"a b", "c"}},
      {"\"a\"\"b\"", {"a\"b"}},
      {"\"1\"2", {"1", "2"}},
      {"\"unterminated, text ", {"unterminated, text "}},
      {"a\"b c", {"a\"b", "c"}},
      {"\"\",x", {"", "x"}},
      {"節点 1", {"節点", "1"}},
  };
  for (const SplitCase& c : cases) EXPECT_EQ(common::splitFields(c.line), c.fields) << c.line;
}

TEST(SplitNumberFields, CommasWithAnythingButDigitsRoundThemSeparate) {
  const SplitCase cases[] = {
      {"1 100.000 1.5", {"1", "100.000", "1.5"}},
      {"1 , 5", {"1", "5"}},
      {"1, 5", {"1", "5"}},
      {"1 ,5", {"1", "5"}},
      {"1,,5", {"1", "", "5"}},
      {"1,", {"1", ""}},
      {",5", {"", "5"}},
      {"a,5", {"a", "5"}},
      {"1,b", {"1", "b"}},
      {"1.,5", {"1.", "5"}},
      {"\"1\",5", {"1", "5"}},
  };
  for (const SplitCase& c : cases)
    EXPECT_EQ(common::splitNumberFields(c.line, {"f", 1, 0}), c.fields) << c.line;
}

TEST(SplitNumberFields, ADecimalCommaIsAnErrorOfItsField) {
  const SplitCase cases[] = {
      {"1 100.000 1,5", {"f: 7 行目: 3 番目の値「1,5」は小数点がコンマです"}},
      {"1,5,7 2", {"f: 7 行目: 1 番目の値「1,5,7」"}},
      {"-0,25E3", {"f: 7 行目: 1 番目の値「-0,25E3」"}},
      {"1 , 2 x1,5", {"f: 7 行目: 3 番目の値「x1,5」"}},
      {"\"1,5\"", {"f: 7 行目: 1 番目の値「1,5」"}},
  };
  for (const SplitCase& c : cases) {
    try {
      common::splitNumberFields(c.line, {"f", 7, 0});
      ADD_FAILURE() << "accepted: " << c.line;
    } catch (const common::ConversionError& e) {
      EXPECT_EQ(std::string(e.what()).rfind(c.fields[0], 0), 0u) << e.what();
    }
  }
}

}  // namespace
