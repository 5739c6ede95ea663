#include "store/ThinningSchedule.h"

#include "automation/AutomationError.h"
#include "platform/LibraryFolder.h"
#include "services/CrontabText.h"
#include "services/ScheduledTaskService.h"
#include "services/ThinningLines.h"

#include <QFileInfo>
#include <QStandardPaths>


namespace rnx10 {

namespace {

std::string ruleArguments(const ThinningRule &rule)
{
    return " thin --within " + std::to_string(rule.within) + " --daily " + std::to_string(rule.daily) + " --weekly " +
           std::to_string(rule.weekly) + " --monthly " + std::to_string(rule.monthly) + " --yearly " +
           std::to_string(rule.yearly);
}

} // namespace

std::string withThinningJob(const std::string &crontab, const ThinningRule &rule, const std::string &program)
{
    checkThinningRule(rule);
    return withThinningLines(crontab, cron::quotedCommand(program) + ruleArguments(rule));
}

void scheduleThinning(ScheduledTaskService &service, const ThinningRule &rule, const std::string &program)
{
    service.replaceCrontab([&](const std::string &crontab) { return withThinningJob(crontab, rule, program); });
}

void unscheduleThinning(ScheduledTaskService &service)
{
    ScheduledJob job;
    job.name = kThinJobName;
    job.every = true;
    service.removeJob(job);
}

std::string storeToolProgram()
{
    if (const std::string folder = libraryFolder(); !folder.empty()) {
        const QFileInfo beside(QString::fromStdString(folder) + "/" RNX10_PROGRAMS_FROM_LIBRARY "/rnx10-store");
        if (beside.isExecutable())
            return beside.canonicalFilePath().toStdString();
    }
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("rnx10-store"));
    if (onPath.isEmpty())
        throw err::fileNotFound("rnx10-store is not installed");
    return onPath.toStdString();
}

} // namespace rnx10
