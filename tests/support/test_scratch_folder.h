// The scratch folder of the running test.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/support/scratch_folder.h"

namespace common::testing {

/// A scratch folder named after the running test: "<prefix>_<test>_<pid>".
class TestScratchFolder : public ScratchFolder {
 public:
  explicit TestScratchFolder(const std::string& prefix)
      : ScratchFolder(prefix + "_" +
                      ::testing::UnitTest::GetInstance()->current_test_info()->name()) {}
};

}  // namespace common::testing
