// A backup store built to hurt: link loops and links out of the store, names that are not UTF-8
// or hold line breaks, details.ini that is binary or one 10 MB line, copies named outside their
// hour, sources of "/" and the home folder, year folders with a sign or blanks, a day reached
// through a link, 10,000 hours in one day. Everything else of the installation (home, locker,
// logs, temporary folders and an "outside" folder the links point into) lies beside the store.
#pragma once

#include "support/StoreBuilder.h"
#include "support/TestSupport.h"

#include <QDate>

#include <string>

namespace rnx10::test {

class AdversarialStore {
public:
    // Lays the store out through store (this machine, today); the rest beside it in inst.
    AdversarialStore(const Installation &inst, const StoreBuilder &store);

    std::string outside() const { return m_root + "/outside"; }
    std::string source() const { return m_home + "/docs"; }

    // Today's archives in hour "09-00", by row name.
    static constexpr const char *kNotUtf8 = "bad\xff\xfe-name";
    static constexpr const char *kNewline = "two\nlines";
    static const QDate kLinkedDay;   // its day folder is a link to outside()/day
    static const QDate kBlankYear;   // only " <year>" exists: the canonical folder is missing
    static const QDate kManyHours;   // 10,000 hour folders
    static constexpr int kHours = 10000;

private:
    void addArchive(const std::string &name, const std::string &source, const std::string &destination = {});
    void addToday();
    void addOtherDays();

    const StoreBuilder &m_store;
    std::string m_root, m_home;
};

// Everything below root except the folders given, one line per entry: path, type, size of a
// regular file, mode, link target. Links are listed, never followed.
std::string treeSnapshot(const std::string &root, const std::vector<std::string> &skip);

} // namespace rnx10::test
