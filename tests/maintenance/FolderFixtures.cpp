#include "FolderFixtures.h"

#include "support/TestSupport.h"

#include <dirent.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdio>

namespace rnx10::test {

std::vector<std::string> entries(const std::string &folder)
{
    std::vector<std::string> names;
    if (DIR *dir = ::opendir(folder.c_str())) {
        while (dirent *d = ::readdir(dir))
            if (std::string n = d->d_name; n != "." && n != "..")
                names.push_back(n);
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool isEmptyFolder(const std::string &path)
{
    struct stat st{};
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && entries(path).empty();
}

void fill(const std::string &folder)
{
    makeFolders(folder + "/sub/deeper");
    makeFolders(folder + "/d\xe9j\xe0");
    writeFile(folder + "/a.txt", "a");
    writeFile(folder + "/sub/deeper/f.txt", "f");
    writeFile(folder + "/d\xe9j\xe0/g.txt", "g");
    writeFile(folder + "/caf\xe9.txt", "c");
    writeFile(folder + "/readonly.txt", "r");
    ::chmod((folder + "/readonly.txt").c_str(), 0444);
}

namespace {
int allowWrite(const char *path, const struct stat *st, int type, FTW *)
{
    if (type == FTW_D || type == FTW_DNR)
        ::chmod(path, (st->st_mode & 07777) | S_IRWXU);
    return 0;
}

int removeOne(const char *path, const struct stat *, int, FTW *at)
{
    if (at->level > 0)
        ::remove(path);
    return 0;
}
} // namespace

void wipeBelow(const std::string &folder)
{
    ::nftw(folder.c_str(), allowWrite, 16, FTW_PHYS);
    ::nftw(folder.c_str(), removeOne, 16, FTW_PHYS | FTW_DEPTH);
}

WorkingFolder::WorkingFolder(const std::string &path)
{
    char here[PATH_MAX];
    if (::getcwd(here, sizeof here))
        m_saved = here;
    EXPECT_EQ(::chdir(path.c_str()), 0);
}

WorkingFolder::~WorkingFolder()
{
    if (!m_saved.empty() && ::chdir(m_saved.c_str()) != 0)
        ADD_FAILURE() << "could not return to " << m_saved;
}

} // namespace rnx10::test
