#pragma once
// A small JSON reader for the analysis summaries: objects, arrays, strings,
// whole numbers, true, false and null. Numbers with a fraction or exponent are
// refused, since a summary holds counts only. Written here rather than taken
// from a JSON library for its messages (line, column and what was expected),
// its limits on nesting and on values, and the summary's fixed layout.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace kv::analysis {

class TJson {
  public:
    using TArray = std::vector<TJson>;
    using TObject = std::vector<std::pair<std::string, TJson>>; // in file order

    TJson() = default;
    template <typename T> explicit TJson(T value) : value_(std::move(value)) {}

    bool IsNull() const { return std::holds_alternative<std::monostate>(value_); }
    const bool* Bool() const { return std::get_if<bool>(&value_); }
    const std::int64_t* Number() const { return std::get_if<std::int64_t>(&value_); }
    const std::string* String() const { return std::get_if<std::string>(&value_); }
    const TArray* Array() const { return std::get_if<TArray>(&value_); }
    const TObject* Object() const { return std::get_if<TObject>(&value_); }
    // The member `name` of an object, or nullptr.
    const TJson* Member(std::string_view name) const;

  private:
    std::variant<std::monostate, bool, std::int64_t, std::string, TArray, TObject> value_;
};

struct TJsonParse {
    TJson Value;
    std::string Error; // "line L, column C: what was wrong"; empty on success
};

// Parses one JSON value that fills the whole text (white space aside), of at
// most `maxValues` values (each member, item and container counts one), so
// that a hostile text never holds more memory than the largest file expected.
TJsonParse ParseJson(std::string_view text, std::size_t maxValues);

// `text` as a JSON string literal, quotes included.
std::string JsonString(std::string_view text);

} // namespace kv::analysis
