// Which runs of the store a thinning rule keeps: the recent ones, then the newest of each of the
// last days, ISO weeks, months and years.
#pragma once

#include <QDateTime>

#include <vector>

namespace rnx10 {

struct ThinningRule {
    int within = 2;  // keep every run of the last this many days
    int daily = 7;   // then the newest run of each of the last this many days
    int weekly = 5;  // ... ISO weeks
    int monthly = 12;
    int yearly = 3;

    bool operator==(const ThinningRule &) const = default;
};

// Raises 5 naming the number for a negative one, and for a rule whose five numbers are all 0
// (it would keep nothing but the newest run).
void checkThinningRule(const ThinningRule &rule);

// For runs ordered newest first (their wall-clock times, as StoreRun holds them), whether each is
// kept. Every run newer than now's wall-clock time minus rule.within days is kept; then, for daily, weekly, monthly and yearly in turn, the walk from the newest run
// keeps each run whose period differs from the previous run's, counting only runs not kept yet,
// until that level has counted its number. The newest run is always kept. Raises as
// checkThinningRule does.
std::vector<bool> keptRuns(const std::vector<QDateTime> &newestFirst, const ThinningRule &rule, const QDateTime &now);

} // namespace rnx10
