#include "store/ThinningRule.h"

#include "automation/AutomationError.h"
#include "platform/Translation.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace rnx10 {

namespace {

enum class Period { Day, Week, Month, Year };

// A number that is the same for two times exactly when they share the period.
qint64 periodOf(const QDateTime &time, Period period)
{
    const QDate date = time.date();
    switch (period) {
    case Period::Day: return date.toJulianDay();
    case Period::Week: {
        int weekYear = 0;
        const int week = date.weekNumber(&weekYear);
        return qint64(weekYear) * 100 + week;
    }
    case Period::Month: return qint64(date.year()) * 100 + date.month();
    case Period::Year: break;
    }
    return date.year();
}

void keepPerPeriod(const std::vector<QDateTime> &runs, Period period, int count, std::vector<bool> &kept)
{
    int counted = 0;
    std::optional<qint64> previous;
    for (std::size_t i = 0; i < runs.size() && counted < count; ++i) {
        const qint64 current = periodOf(runs[i], period);
        if (current != previous && !kept[i]) {
            kept[i] = true;
            ++counted;
        }
        previous = current;
    }
}

} // namespace

void checkThinningRule(const ThinningRule &rule)
{
    const std::array<std::pair<const char *, int>, 5> numbers = {
        {{"within", rule.within}, {"daily", rule.daily}, {"weekly", rule.weekly}, {"monthly", rule.monthly},
         {"yearly", rule.yearly}}};
    bool any = false;
    for (const auto &[name, value] : numbers) {
        if (value < 0)
            throw err::invalidCall(std::string("the thinning rule's ") + name + " is negative: " + std::to_string(value));
        any = any || value > 0;
    }
    if (!any)
        throw err::invalidCall(tx("ThinningRule", "a thinning rule whose five numbers are all 0 would delete every run "
                                                  "but the newest; nothing was deleted"));
}

std::vector<bool> keptRuns(const std::vector<QDateTime> &newestFirst, const ThinningRule &rule, const QDateTime &now)
{
    checkThinningRule(rule);
    std::vector<bool> kept(newestFirst.size(), false);
    if (rule.within > 0) {
        // Run times are wall-clock times held as UTC; now is compared the same way.
        const QDateTime since = QDateTime(now.date(), now.time(), Qt::UTC).addDays(-rule.within);
        for (std::size_t i = 0; i < newestFirst.size(); ++i)
            kept[i] = newestFirst[i] > since;
    }
    keepPerPeriod(newestFirst, Period::Day, rule.daily, kept);
    keepPerPeriod(newestFirst, Period::Week, rule.weekly, kept);
    keepPerPeriod(newestFirst, Period::Month, rule.monthly, kept);
    keepPerPeriod(newestFirst, Period::Year, rule.yearly, kept);
    if (!kept.empty())
        kept.front() = true;
    // A run dated after now was made with a wrong clock, and status never counts it as the last
    // backup: the newest run at or before now is kept as well.
    const QDateTime wallNow(now.date(), now.time(), Qt::UTC);
    for (std::size_t i = 0; i < newestFirst.size(); ++i)
        if (newestFirst[i] <= wallNow) {
            kept[i] = true;
            break;
        }
    return kept;
}

} // namespace rnx10
