// The folder report of the backup store: every folder below the root, one full path a line.
#pragma once

#include <functional>
#include <string>

namespace rnx10 {

class FileSystemObject;

// The store the report walks: the process environment's ZVENVSBAK when set, else the value the
// environment service gives (environment.ini or the default), the same store the browser shows.
// Raises 76 when that is empty, rather than walking the file system's root.
std::string storeReportRoot();

// storeReportRoot() + "/" + $ZVENVSCOM + ".txt", the name read from the process environment.
std::string storeReportPath();

// Rewrites reportPath with one line per folder below root (not root itself, no files): its full
// path (a CR or LF in it written as \r or \n) and CR LF, parents before their children, in name
// order, hidden folders included, links to folders not followed except at root itself and at this computer's folder in it (both
// written under their names in the store). beforeEachFolder runs before each folder is written
// (the window lets its events run there). Raises when the file cannot be created or written or a
// folder cannot be read, and (70) when reportPath is a symbolic link, never written through; the
// file is closed in every case, holding the lines written so far.
void writeStoreReport(const std::string &root, const std::string &reportPath,
                      const std::function<void()> &beforeEachFolder = {});

// The same, listing the store's top level through fso (the window's set, so a test can hold it).
void writeStoreReport(FileSystemObject &fso, const std::string &root, const std::string &reportPath,
                      const std::function<void()> &beforeEachFolder = {});

} // namespace rnx10
