// The one reading of a computer's folder in the store: its year, month, day and hour folders, and
// which hour folders are runs. status, catch-up, the newest-archive lookup and thinning all read
// the store through it.
#pragma once

#include <QDateTime>

#include <optional>
#include <string>
#include <vector>

namespace rnx10 {

struct StoreRun {
    std::string path; // the hour folder, absolute
    QDateTime time;   // the wall-clock time, held as UTC: comparing needs no time-zone lookup
};

// The hour folder's time from its name: "HH", "HH-MM" or either followed by more ("14-05-33",
// "07 evening"). Invalid when the name does not start with an hour 0-23 (and, after "-", a minute
// 0-59 when one follows).
QDateTime runTime(int year, int month, int day, const std::string &hourName);

// The number a year (1-9999), month (1-12) or day (1-31) folder is named by: only a name that is
// exactly the number's canonical text ("7", never "07" or "7a") counts.
std::optional<int> storeFolderNumber(const std::string &name, int lowest, int highest);

// True when the hour folder holds an archive: a real sub-folder with a details.ini in it (of any
// kind: the browser lists it as an archive whatever it is).
// A backup that failed may leave an hour folder with nothing, or half an archive, in it. Raises,
// naming path, when the folder cannot be listed.
bool holdsArchive(int hourFolder, const std::string &path);

struct StoreHours {
    std::vector<StoreRun> runs;  // hour folders holding an archive: the store's runs
    std::vector<StoreRun> empty; // hour folders holding none
};

// Every hour folder below computerFolder, oldest first (ties by path). Only year, month and day
// folders named as the store names them (canonical numbers making a valid date) and hour folders
// with a time count; anything else is no run and never listed. Links are never followed. A level
// that cannot be listed raises, naming it.
StoreHours listStoreHours(const std::string &computerFolder);

// The runs alone: listStoreHours(computerFolder).runs.
std::vector<StoreRun> listStoreRuns(const std::string &computerFolder);

// The newest run, and the newest run at or before notAfter (a wall-clock time held as UTC, as
// StoreRun::time): a run dated later was made with a wrong clock and is no proof of a recent
// backup. Walks newest first and stops early. Nothing when there is none or the folder cannot be
// opened; a level that cannot be read is passed over.
struct NewestRuns {
    std::optional<StoreRun> newest;
    std::optional<StoreRun> newestNotAfter;
};
NewestRuns newestStoreRuns(const std::string &computerFolder, const QDateTime &notAfter);

} // namespace rnx10
