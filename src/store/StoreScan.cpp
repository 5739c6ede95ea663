#include "store/StoreScan.h"

#include "store/DirStructure.h"
#include "store/HeldStoreFolder.h"
#include "store/LeadingNumber.h"
#include "store/MountPoint.h"
#include "store/SizeText.h"
#include "store/StoreLocation.h"
#include "platform/ComputerName.h"
#include "platform/FileSystemObject.h"
#include "platform/Paths.h"
#include "platform/Translation.h"
#include "services/EnvironmentKeys.h"

#include <algorithm>

namespace rnx10 {

namespace {
void ensureFolder(FileSystemObject &fso, const std::string &path)
{
    if (!fso.folderExists(path))
        CreateDirStructure(fso, path);
}

// Hiding only tidies the file manager's view: a folder whose parent may not be written (a store at
// the root of a mounted disk) stays visible and the scan goes on.
void markHidden(FileSystemObject &fso, const std::string &path)
{
    try {
        fso.markHiddenOnly(path);
    } catch (const AutomationError &) {
    }
}

// The status texts are shown in the browser: its texts' context.
std::string countText(std::size_t hours)
{
    if (hours == 0)
        return tx("rnx10::frmBackUpRestoreA", "No archives found.");
    const int n = static_cast<int>(hours);
    return tx("rnx10::frmBackUpRestoreA", "%n archives found.", nullptr, n);
}

bool anyMatches(const std::vector<std::string> &names, int number)
{
    return std::any_of(names.begin(), names.end(), [number](const std::string &n) { return matchesNumber(n, number); });
}

class Scanner {
public:
    Scanner(FileSystemObject &fso, ScanResult &result, int y, int m, int d, const FolderMeasure *measure)
        : m_fso(fso), m_r(result), m_y(y), m_m(m), m_d(d), m_measure(measure)
    {
    }

    void run()
    {
        const std::string root = storeRootFolder();
        m_r.folders.ComputerFolder = root + "/" + GetMachineName();
        ensureFolder(m_fso, m_r.folders.ComputerFolder);
        const std::string &computer = m_r.folders.ComputerFolder;
        recordIdentity();
        // A computer folder that is a link (a store moved to a bigger disk and linked back) is
        // measured and listed where it points; the walks below it follow no link.
        m_r.measuredFolder = followLink(computer);
        if (m_measure)
            m_r.lockerToolTip = lockerToolTipText(computer, measureFolder(m_fso, *m_measure, m_r.measuredFolder));
        const std::string locker = absoluteFolderOf(envkey::Locker);
        ensureFolder(m_fso, locker);
        markHidden(m_fso, locker);
        markHidden(m_fso, root);
        m_r.folders.BackupDrive = mountPointOf(m_fso, computer);
        m_r.status = fillIn(tx("rnx10::frmBackUpRestoreA", "Backup Drive: %1"), {m_r.folders.BackupDrive});
        walkYears();
        m_r.status = countText(m_r.hours.size());
    }

private:
    // Deletions later open the store from this very folder; one that cannot be opened leaves the
    // identity unset and every deletion refused.
    void recordIdentity()
    {
        try {
            m_r.folders.ComputerIdentity = computerFolderIdentity(m_r.folders.ComputerFolder);
        } catch (const AutomationError &) {
        }
    }

    std::string under(std::initializer_list<int> numbers) const
    {
        std::string path = m_r.folders.ComputerFolder;
        for (int n : numbers)
            path += "/" + canonicalNumberText(n);
        return path;
    }

    void walkYears()
    {
        // "2009" and "02009" both name the year, but the walk goes into "2009" alone: each level
        // is entered once however many names match, so no hour is listed twice.
        if (!anyMatches(m_fso.subFolders(m_r.measuredFolder), m_y))
            return;
        m_r.folders.YearFolder = under({m_y});
        if (!anyMatches(m_fso.subFolders(m_r.folders.YearFolder), m_m))
            return;
        m_r.folders.MonthFolder = under({m_y, m_m});
        walkDays();
    }

    void walkDays()
    {
        if (!anyMatches(m_fso.subFolders(m_r.folders.MonthFolder), m_d))
            return;
        m_r.folders.DayFolder = under({m_y, m_m, m_d});
        m_r.hours = m_fso.subFolders(m_r.folders.DayFolder);
    }

    FileSystemObject &m_fso;
    ScanResult &m_r;
    int m_y, m_m, m_d;
    const FolderMeasure *m_measure; // none: the size is left to the caller
};

ScanResult scan(FileSystemObject &fso, int year, int month, int day, const FolderMeasure *measure)
{
    ScanResult result;
    result.error = err::caught([&] { Scanner(fso, result, year, month, day, measure).run(); });
    return result;
}
} // namespace

std::string lockerToolTipText(const std::string &computerFolder, std::uint64_t bytes)
{
    return fillIn(tx("rnx10::frmBackUpRestoreA", "%1, Size : %2 MB"), {computerFolder, roundedMegabytes(bytes)});
}

ScanResult scanStore(FileSystemObject &fso, int year, int month, int day, const FolderMeasure &measure)
{
    return scan(fso, year, month, day, &measure);
}

ScanResult scanStoreDay(FileSystemObject &fso, int year, int month, int day)
{
    return scan(fso, year, month, day, nullptr);
}

} // namespace rnx10
