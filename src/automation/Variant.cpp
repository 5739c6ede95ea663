#include "automation/Variant.h"

#include "automation/AutomationError.h"

namespace rnx10 {

namespace {
template <typename T, typename V> const T &readAs(const V &value)
{
    if (const T *p = std::get_if<T>(&value))
        return *p;
    throw AutomationError(13, "Type mismatch");
}
} // namespace

const std::string &Variant::text() const { return readAs<std::string>(m_value); }
std::int64_t Variant::integer() const { return readAs<std::int64_t>(m_value); }
bool Variant::boolean() const { return readAs<bool>(m_value); }
double Variant::number() const { return readAs<double>(m_value); }

} // namespace rnx10
