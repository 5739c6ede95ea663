// Lays out a backup store as the backup tools write it: <root>/<computer>/<year>/<month>/<day>/
// <hour>/<archive>/ holding details.ini and the copy it names.
#pragma once

#include <QDate>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace rnx10::test {

class StoreBuilder {
public:
    // Archives filed under root/computer; day() and hour() name folders of day.
    explicit StoreBuilder(std::string root, std::string computer = defaultComputer(), QDate day = QDate::currentDate());

    // The computer folder the browser scans.
    std::string computer() const { return m_root + "/" + m_computer; }
    // computer/<year>/<month>/<day>, numbers without leading zeros.
    std::string day(const QDate &date) const;
    std::string day() const { return day(m_day); }
    std::string hour(const std::string &name) const { return day() + "/" + name; }
    // computer/<relative>, created.
    std::string folder(const std::string &relative) const;

    // Files of a copy: path inside the copy, content.
    using Files = std::map<std::string, std::string>;
    // hour/<name> with details.ini as the tools write it (SourceDir source, DestinationDir
    // destination or else the copy) and the copy "copy" holding files. Returns the archive folder.
    std::string archive(const std::string &hour, const std::string &name, const std::string &source,
                        const std::string &destination = {}, const Files &files = {{"a.txt", "a"}, {"sub/b.txt", "b"}}) const;
    // hour/<name> holding details.ini with exactly details (none when unset) and a copy folder
    // "data" with one file of copyBytes: for sizes, and for details files the tools never write.
    std::string sizedArchive(const std::string &hour, const std::string &name, const std::optional<std::string> &details,
                             std::uint64_t copyBytes = 10) const;

    // details.ini as the tools write it, made on computer PC01 by ann at 10/12/2026 21:05:00.
    static std::string detailsText(const std::string &source, const std::string &destination);
    // This machine's name, as the tools and the browser use it.
    static std::string defaultComputer();

private:
    std::string m_root, m_computer;
    QDate m_day;
};

// A store moved to a bigger disk and linked back, one way each: the link at this computer's folder
// in the store, or at the store root. Nothing is made: a test builds realComputer's contents, then
// links linkAt to target and points the store at storeRoot.
struct LinkedStore {
    const char *name;
    std::string storeRoot, linkAt, target, realComputer;
};
// Both ways, for a store at store and a bigger disk at disk (the root's link sits beside store).
std::vector<LinkedStore> linkedStores(const std::string &store, const std::string &disk);

// A file of exactly size bytes, created with its folders.
void fileOfSize(const std::string &path, std::uint64_t size);

} // namespace rnx10::test
