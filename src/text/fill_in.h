// A text from its pattern, for texts worded in more than one language: each
// language puts the values where its own word order wants them. Plain C++.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace nyra {

// `pattern` with %1 .. %9 replaced by the first .. ninth of `values`, each
// as often as it appears. Values are inserted as they are, never read for
// placeholders themselves. A '%' not followed by the number of a value (a
// percentage, "35%") is kept, so a pattern asking for more values than it
// was given shows the unfilled placeholder rather than hiding it.
std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> values);

}  // namespace nyra
