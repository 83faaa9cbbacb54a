#pragma once
// Names parameterised cases after their table row's `name`.

#include <gtest/gtest.h>

#include <string>

namespace number_text_test {

template <class Case>
std::string CaseName(const testing::TestParamInfo<Case>& row) {
  return row.param.name;
}

}  // namespace number_text_test
