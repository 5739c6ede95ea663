#include "AdversarialStore.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <sstream>
#include <vector>

namespace rnx10::test {

const QDate AdversarialStore::kLinkedDay(2021, 3, 4);
const QDate AdversarialStore::kBlankYear(2020, 1, 1);
const QDate AdversarialStore::kManyHours(2022, 6, 15);

namespace {
void link(const std::string &target, const std::string &at) { ASSERT_EQ(::symlink(target.c_str(), at.c_str()), 0) << at; }

std::string dateFolders(const QDate &d)
{
    return std::to_string(d.year()) + "/" + std::to_string(d.month()) + "/" + std::to_string(d.day());
}
} // namespace

AdversarialStore::AdversarialStore(const Installation &inst, const StoreBuilder &store)
    : m_store(store), m_root(inst.root()), m_home(inst.home())
{
    makeFolders(outside() + "/victim");
    writeFile(outside() + "/victim/keep.txt", "must survive");
    makeFolders(source());
    writeFile(source() + "/mine.txt", "the user's");
    addToday();
    addOtherDays();
}

void AdversarialStore::addArchive(const std::string &name, const std::string &source, const std::string &destination)
{
    m_store.archive(m_store.hour("09-00"), name, source, destination);
}

void AdversarialStore::addToday()
{
    const QDate today = QDate::currentDate();
    addArchive("normal", source());
    addArchive("loops", source());
    const std::string loops = m_store.hour("09-00") + "/loops/copy";
    link(".", loops + "/self");
    link("../..", loops + "/sub/up");
    link(outside(), loops + "/out");
    addArchive(kNotUtf8, source());
    addArchive(kNewline, source());
    addArchive("copy-outside", source(), outside() + "/victim");
    addArchive("copy-in-store-root", source(), m_store.computer());
    addArchive("root-source", "/");
    addArchive("home-source", m_home);
    addArchive("registry", "REGKEYS");
    addArchive("binary-details", source());
    std::string binary(4096, '\0');
    for (std::size_t i = 0; i < binary.size(); ++i)
        binary[i] = static_cast<char>(i * 7 + 3);
    writeFile(m_store.hour("09-00") + "/binary-details/details.ini", binary);
    addArchive("long-line", source());
    writeFile(m_store.hour("09-00") + "/long-line/details.ini", "[DETAILS]\nSourceDir=" + std::string(10 << 20, 'x') + "\n");
    // The same year again with a sign and with blanks: both select the canonical folder.
    const std::string year = std::to_string(today.year());
    makeFolders(m_store.computer() + "/+" + year);
    makeFolders(m_store.computer() + "/ " + year);
    makeFolders(m_store.computer() + "/-" + year);
}

void AdversarialStore::addOtherDays()
{
    // A day folder that is a link out of the store, found through "04".
    const QDate d = kLinkedDay;
    const std::string month = m_store.computer() + "/" + std::to_string(d.year()) + "/" + std::to_string(d.month());
    makeFolders(month + "/0" + std::to_string(d.day()));
    makeFolders(outside() + "/day/07-00/arch/copy");
    writeFile(outside() + "/day/07-00/arch/copy/keep.txt", "outside");
    link(outside() + "/day", month + "/" + std::to_string(d.day()));

    makeFolders(m_store.computer() + "/ " + dateFolders(kBlankYear) + "/08-00");

    const std::string many = m_store.day(kManyHours);
    makeFolders(many);
    for (int h = 0; h < kHours; ++h)
        ::mkdir((many + "/h" + std::to_string(h)).c_str(), 0755);
}

namespace {
void snapshot(const std::string &root, const std::string &relative, const std::vector<std::string> &skip,
              std::vector<std::string> &lines)
{
    const std::string path = relative.empty() ? root : root + "/" + relative;
    if (std::find(skip.begin(), skip.end(), path) != skip.end())
        return;
    struct stat st{};
    if (::lstat(path.c_str(), &st) != 0)
        return;
    std::ostringstream line;
    line << relative << " mode=" << std::oct << (st.st_mode & 0177777) << std::dec;
    if (S_ISREG(st.st_mode))
        line << " size=" << st.st_size;
    if (S_ISLNK(st.st_mode)) {
        char target[4096];
        const ssize_t n = ::readlink(path.c_str(), target, sizeof target);
        line << " -> " << std::string(target, n > 0 ? static_cast<std::size_t>(n) : 0);
    }
    lines.push_back(line.str());
    if (!S_ISDIR(st.st_mode))
        return;
    DIR *dir = ::opendir(path.c_str());
    if (!dir)
        return;
    while (dirent *e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name != "." && name != "..")
            snapshot(root, relative.empty() ? name : relative + "/" + name, skip, lines);
    }
    ::closedir(dir);
}
} // namespace

std::string treeSnapshot(const std::string &root, const std::vector<std::string> &skip)
{
    std::vector<std::string> lines;
    snapshot(root, "", skip, lines);
    std::sort(lines.begin(), lines.end());
    std::string out;
    for (const std::string &l : lines)
        out += l + "\n";
    return out;
}

} // namespace rnx10::test
