// One shape for a failure across the core: a Problem (where, why) carried
// in a Result<T> beside the value it replaces. Plain C++.
#pragma once

#include <string>
#include <type_traits>
#include <utility>
#include <variant>

namespace nyra {

// Why something could not be done, and where: a record's line and field, a
// table column, a file. `where` is empty when the problem is the thing as a
// whole ("the file is empty").
struct Problem {
    std::string where;   ///< "line 2: BirthMonth", "PreciseLongitude", a path; may be empty.
    std::string reason;  ///< "\"13\" is not a month"

    /// "where: reason", or the reason alone.
    std::string Text() const { return where.empty() ? reason : where + ": " + reason; }
    /// The same problem, placed inside a larger one: "line 3" + "BirthDay: ..."
    Problem Within(const std::string& outer) const { return {where.empty() ? outer : outer + ": " + where, reason}; }
    friend bool operator==(const Problem&, const Problem&) = default;
};

// A value, or the Problem that stopped it. Test it before reading the value.
template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(Problem problem) : state_(std::in_place_index<1>, std::move(problem)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() & { return std::get<0>(state_); }
    const T& value() const& { return std::get<0>(state_); }
    T&& value() && { return std::get<0>(std::move(state_)); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    const Problem& problem() const { return std::get<1>(state_); }

private:
    std::variant<T, Problem> state_;
};

// Done, or the Problem that stopped it.
template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Problem problem) : problem_(std::move(problem)), failed_(true) {}

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const Problem& problem() const { return problem_; }

private:
    Problem problem_;
    bool failed_ = false;
};

}  // namespace nyra
