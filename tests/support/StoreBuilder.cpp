#include "support/StoreBuilder.h"

#include "platform/ComputerName.h"
#include "support/TestSupport.h"

#include "ArchiveWriter.h"

#include <unistd.h>

#include <ctime>

namespace rnx10::test {

namespace {
std::string parentOf(const std::string &path) { return path.substr(0, path.rfind('/')); }
} // namespace

StoreBuilder::StoreBuilder(std::string root, std::string computer, QDate day)
    : m_root(std::move(root)), m_computer(std::move(computer)), m_day(day)
{
}

std::string StoreBuilder::defaultComputer() { return GetMachineName(); }

std::string StoreBuilder::day(const QDate &date) const
{
    std::tm when{};
    when.tm_year = date.year() - 1900;
    when.tm_mon = date.month() - 1;
    when.tm_mday = date.day();
    return backuptool::dayFolder(m_root, m_computer, when);
}

std::string StoreBuilder::folder(const std::string &relative) const
{
    const std::string path = computer() + "/" + relative;
    makeFolders(path);
    return path;
}

std::string StoreBuilder::archive(const std::string &hour, const std::string &name, const std::string &source,
                                  const std::string &destination, const Files &files) const
{
    const std::string folder = hour + "/" + name;
    makeFolders(folder + "/copy");
    for (const auto &[path, content] : files) {
        makeFolders(parentOf(folder + "/copy/" + path));
        writeFile(folder + "/copy/" + path, content);
    }
    writeFile(folder + "/details.ini", detailsText(source, destination.empty() ? folder + "/copy" : destination));
    return folder;
}

std::string StoreBuilder::sizedArchive(const std::string &hour, const std::string &name,
                                       const std::optional<std::string> &details, std::uint64_t copyBytes) const
{
    const std::string folder = hour + "/" + name;
    fileOfSize(folder + "/data/file.bin", copyBytes);
    if (details)
        writeFile(folder + "/details.ini", *details);
    return folder;
}

std::string StoreBuilder::detailsText(const std::string &source, const std::string &destination)
{
    return backuptool::detailsText({source, destination, "PC01", "ann", "10/12/2026 21:05:00"});
}

void fileOfSize(const std::string &path, std::uint64_t size)
{
    makeFolders(parentOf(path));
    writeFile(path, "");
    EXPECT_EQ(::truncate(path.c_str(), static_cast<off_t>(size)), 0) << path;
}

std::vector<LinkedStore> linkedStores(const std::string &store, const std::string &disk)
{
    const std::string pc = StoreBuilder::defaultComputer();
    const std::string storeLink = store + "-link";
    return {
        {"computer folder", store, store + "/" + pc, disk + "/" + pc, disk + "/" + pc},
        {"store root", storeLink, storeLink, disk + "/store", disk + "/store/" + pc},
    };
}

} // namespace rnx10::test
