// Helpers shared by the sign knowledge base tests.
#pragma once

#include "signs/rashi_information.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace nyra::testing_support {

// The field called `name`, or a failed assertion and an empty text when the
// field table has no such name.
inline std::string FieldText(const SignDescription& description, std::string_view name) {
    for (const SignField& field : kSignFields) {
        if (field.name == name) return description.*field.member;
    }
    ADD_FAILURE() << "no sign field named " << name;
    return {};
}

// A list text split at its ", " separators.
inline std::vector<std::string> ListItems(std::string_view list) {
    std::vector<std::string> items;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = list.find(", ", start);
        items.emplace_back(list.substr(start, comma - start));
        if (comma == std::string_view::npos) return items;
        start = comma + 2;
    }
}

} // namespace nyra::testing_support
