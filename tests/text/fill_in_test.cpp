#include "text/fill_in.h"

#include <gtest/gtest.h>

namespace nyra {
namespace {

TEST(FillIn, PutsEachValueWhereThePatternAsks) {
    // Hindi puts the times before the sign where English puts them after.
    EXPECT_EQ(FillIn("%1 from %2 to %3", {"Rohini", "01:00", "23:00"}), "Rohini from 01:00 to 23:00");
    EXPECT_EQ(FillIn("%2 से %3 तक %1", {"रोहिणी", "01:00", "23:00"}), "01:00 से 23:00 तक रोहिणी");
    EXPECT_EQ(FillIn("%1, %1", {"Thula"}), "Thula, Thula");
}

TEST(FillIn, KeepsPercentSignsAndShowsWhatWasNotGiven) {
    EXPECT_EQ(FillIn("%1 35%, %2 65%.", {"Thula", "Vrischika"}), "Thula 35%, Vrischika 65%.");
    EXPECT_EQ(FillIn("100%", {}), "100%");
    EXPECT_EQ(FillIn("%1 until %3", {"Thula", "09:12"}), "Thula until %3");
    EXPECT_EQ(FillIn("%0 %", {"x"}), "%0 %");
    // A value is not read again: a name holding "%1" stays as it is.
    EXPECT_EQ(FillIn("%1 and %2", {"%2", "b"}), "%2 and b");
}

}  // namespace
}  // namespace nyra
