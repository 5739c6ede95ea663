// The runs of a computer's folder: its hour folders, each dated by its year, month and day
// folders and the hour (and minute) its name starts with. Read from the folder names alone.
#pragma once

#include <QDateTime>

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

// Every run below computerFolder, oldest first (ties by path). Only year, month and day folders
// named as the store names them (canonical numbers making a valid date) and hour folders with a
// time count; anything else is no run and never listed. Links are never followed. A level that
// cannot be listed raises, naming it.
std::vector<StoreRun> listStoreRuns(const std::string &computerFolder);

} // namespace rnx10
