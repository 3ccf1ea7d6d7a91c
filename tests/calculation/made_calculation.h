// A calculation the test needs made, for the calculation tests.
#pragma once

#include "calculation/calculation.h"

#include <gtest/gtest.h>

#include <utility>

namespace nyra::test {

// The calculation of `input`, or a failed expectation and an empty one.
inline Calculation Made(const CalculationInput& input) {
    Result<Calculation> made = Calculate(input);
    EXPECT_TRUE(made.ok()) << (made.ok() ? "" : made.problem().Text());
    return made.ok() ? std::move(made).value() : Calculation{};
}

}  // namespace nyra::test
