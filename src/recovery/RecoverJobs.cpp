#include "recovery/RecoverJobs.h"

#include "automation/AutomationError.h"
#include "store_views/ArchiveItems.h"
#include "store/ArchiveComparison.h"
#include "store/RestoreTo.h"
#include "store/ShownValue.h"
#include "store/SkippedEntries.h"
#include "platform/FileSystemObject.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "platform/Translation.h"
#include "services/ServiceSet.h"
#include "ui/WindowJob.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace rnx10 {

namespace {

// Each of these may be stopped halfway: nothing is changed until its copy is complete.
ProgressRunner::Task cancellable(const QString &title, const QString &text) { return {title, text, true}; }

ProgressRunner::Task comparing(const std::string &copy, const std::string &sourceDir)
{
    return cancellable(QCoreApplication::translate("RecoverJobs", "Comparing..."),
                       QCoreApplication::translate("RecoverJobs", "Comparing %1\nwith %2").arg(displayText(copy), displayText(sourceDir)));
}

} // namespace

ComparedTrees compareWithProgress(QWidget *window, const std::string &copy, const std::string &sourceDir, bool contents)
{
    ComparedTrees result;
    walk::CompareOptions options;
    options.contents = contents;
    options.skipped = [&](const std::string &path, const AutomationError &e) {
        result.skipped.push_back({path, shownDescription(e)});
    };
    WindowJob::run(window, comparing(copy, sourceDir),
                   [&](walk::WalkProgress &progress) {
                       result.counts = compareWithCurrent(
                           copy, sourceDir, [&](const walk::TreeChange &change) { result.changes.push_back(change); },
                           &progress, options);
                   });
    return result;
}

std::string restoreQuestionDetails(QWidget *window, const std::string &copy, const std::string &sourceDir)
{
    std::string counts;
    try {
        walk::ChangeCounts found;
        WindowJob::run(window, comparing(copy, sourceDir),
                       [&](walk::WalkProgress &progress) {
                           found = compareWithCurrent(copy, sourceDir, [](const walk::TreeChange &) {}, &progress);
                       });
        counts = countsText(found);
    } catch (const AutomationError &e) {
        counts = e.number() == walk::UserInterrupt
                     ? tx("RecoverJobs", "not known: the comparison was stopped")
                     : fillIn(tx("RecoverJobs", "not known: %1"), {shownValue(shownDescription(e))});
    }
    return restoreDetailsText(sourceDir, counts);
}

void restoreToChosenFolder(QWidget *window, const std::string &pathInStore)
{
    const RestoreToItem item = restoreToItem(pathInStore); // a path it cannot restore is told before the chooser
    const std::string target = platform().prompt->chooseFolder(tx("RecoverJobs", "Restore To..."), QFile::encodeName(QDir::homePath()).toStdString());
    if (target.empty())
        return;
    const std::string into = checkedTarget(item, target);
    const auto fs = services().fileSystemShared();
    std::string made;
    std::vector<std::string> skipped;
    WindowJob::run(window,
                   cancellable(QCoreApplication::translate("RecoverJobs", "Restoring..."),
                               QCoreApplication::translate("RecoverJobs", "Copying %1\ninto %2").arg(displayText(item.from), displayText(into))),
                   [&](walk::WalkProgress &) { made = copyToTarget(*fs, item, into, &skipped); });
    const std::string passedOver = skippedText(skipped);
    platform().prompt->tell(fillIn(tx("RecoverJobs", "Restored as %1"), {shownValue(made)})
                                + (passedOver.empty() ? "" : "\n\n" + passedOver),
                            kDefaultTitle, Icon::Information);
}

} // namespace rnx10
