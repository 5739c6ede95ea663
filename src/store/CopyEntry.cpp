#include "store/CopyEntry.h"

#include <QDateTime>

#include <sys/stat.h>

namespace rnx10 {

EntryFacts factsOf(const struct stat &st)
{
    EntryFacts f;
    f.kind = S_ISREG(st.st_mode) ? EntryKind::File
             : S_ISDIR(st.st_mode) ? EntryKind::Folder
             : S_ISLNK(st.st_mode) ? EntryKind::Link
                                   : EntryKind::Other;
    f.size = static_cast<std::uint64_t>(st.st_size);
    f.mtime = st.st_mtim.tv_sec;
    f.mtimeNsec = st.st_mtim.tv_nsec;
    return f;
}

const char *kindText(EntryKind kind)
{
    switch (kind) {
    case EntryKind::File: return "file";
    case EntryKind::Folder: return "folder";
    case EntryKind::Link: return "link";
    case EntryKind::Other: break;
    }
    return "other";
}

std::string isoTimeText(std::int64_t seconds)
{
    const QDateTime local = QDateTime::fromSecsSinceEpoch(seconds);
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate).toStdString();
}

} // namespace rnx10
