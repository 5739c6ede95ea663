// The automation variant: the value kinds the component's interface passes around.
#pragma once

#include "Export.h"

#include <cstdint>
#include <string>
#include <variant>

namespace rnx10 {

// The marker an omitted optional variant argument arrives as.
struct MissingArgument {
    bool operator==(const MissingArgument &) const = default;
};

class RNX10_EXPORT Variant {
public:
    enum class Kind { Empty, Missing, Text, Integer, Boolean, Double };

    Variant() = default;
    Variant(std::string text) : m_value(std::move(text)) {}
    Variant(const char *text) : m_value(std::string(text ? text : "")) {}
    Variant(std::int64_t number) : m_value(number) {}
    Variant(std::int32_t number) : m_value(std::int64_t{number}) {}
    Variant(std::int16_t number) : m_value(std::int64_t{number}) {}
    Variant(bool flag) : m_value(flag) {}
    Variant(double number) : m_value(number) {}

    static Variant missing() { Variant v; v.m_value = MissingArgument{}; return v; }

    Kind kind() const { return static_cast<Kind>(m_value.index()); }
    bool isEmpty() const { return kind() == Kind::Empty; }
    bool isMissing() const { return kind() == Kind::Missing; }

    // Typed reads; a read of the wrong kind raises error 13 "Type mismatch".
    const std::string &text() const;
    std::int64_t integer() const;
    bool boolean() const;
    double number() const;

    bool operator==(const Variant &) const = default;

private:
    std::variant<std::monostate, MissingArgument, std::string, std::int64_t, bool, double> m_value;
};

} // namespace rnx10
