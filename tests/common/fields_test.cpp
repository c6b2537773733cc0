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

}  // namespace
