#include "ThinPreview.h"

#include "SideBySide.h"
#include "ToolRun.h"

#include "store/StoreThinning.h"

#include <QDateTime>

#include <cstdio>

namespace rnx10::bench {

Row thinPreviewRow(const Store &store, int runs)
{
    std::size_t listed = 0, toDelete = 0;
    const QDateTime now = QDateTime::currentDateTime();
    Timing t = sideBySide({[&] {
                              const ThinningPlan plan = planThinning(store.computer, ThinningRule{}, now);
                              listed = plan.runCount;
                              toDelete = plan.toDelete.size();
                          }},
                          {[&] { runTool({"find", store.computer, "-mindepth", "4", "-maxdepth", "4", "-type", "d"}); }},
                          runs, store.root.c_str());
    Row row = alone("thinning preview list, default rule (no sizes)", t.oursMedian() * 1000, "ms", 200);
    char note[160];
    std::snprintf(note, sizeof note, "%zu runs listed, %zu to delete; find -mindepth 4 -maxdepth 4 -type d: %.1f ms",
                  listed, toDelete, t.toolMedian() * 1000);
    row.note = note;
    return row;
}

} // namespace rnx10::bench
