#include "backup_browser/core/ReplacedFolderTrash.h"

#include "automation/AutomationError.h"
#include "platform/FileIO.h"
#include "platform/Paths.h"

#include <QFile>
#include <QUrl>

#include <fcntl.h>
#include <stdio.h>

#include <optional>

namespace rnx10 {

namespace {

constexpr int kMostNames = 1000;

std::string native(const QString &path) { return QFile::encodeName(path).toStdString(); }

// The trash info text with its Path line naming originalPath instead.
std::string withPath(const std::string &info, const std::string &originalPath)
{
    const QByteArray encoded = QUrl::toPercentEncoding(QByteArray::fromStdString(originalPath), "/");
    std::string text;
    std::size_t at = 0;
    while (at < info.size()) {
        const std::size_t end = std::min(info.find('\n', at), info.size());
        const std::string line = info.substr(at, end - at);
        text += line.starts_with("Path=") ? "Path=" + encoded.toStdString() : line;
        text += '\n';
        at = end + 1;
    }
    return text;
}

// Creates info/<name>.trashinfo holding text, only when that name is free.
bool claimInfo(const std::string &infoPath, const std::string &text)
{
    try {
        Descriptor fd = openFile(infoPath, O_WRONLY | O_CREAT | O_EXCL, 0600);
        return writeAll(fd.get(), text) && fd.close();
    } catch (const AutomationError &) {
        return false;
    }
}

// Renames the trashed entry and its info to the first free "NAME", "NAME.2", ... of the trash.
bool renameInTrash(const std::string &trash, const std::string &entry, const std::string &info, const std::string &text,
                   const std::string &name)
{
    for (int n = 1; n <= kMostNames; ++n) {
        const std::string candidate = n == 1 ? name : name + "." + std::to_string(n);
        const std::string candidateInfo = trash + "/info/" + candidate + ".trashinfo";
        if (!claimInfo(candidateInfo, text))
            continue;
        if (::renameat2(AT_FDCWD, entry.c_str(), AT_FDCWD, (trash + "/files/" + candidate).c_str(), RENAME_NOREPLACE) == 0) {
            ::unlink(info.c_str());
            return true;
        }
        ::unlink(candidateInfo.c_str());
    }
    return false;
}

// Best effort: the entry is in the trash already, whatever of this fails.
void recordOrigin(const std::string &entry, const std::string &originalPath)
{
    const std::string trash = parentPath(parentPath(entry));
    const std::string info = trash + "/info/" + baseName(entry) + ".trashinfo";
    try {
        const std::optional<std::string> text = readFileIfExists(info);
        if (!text)
            return;
        const std::string fixed = withPath(*text, originalPath);
        if (!renameInTrash(trash, entry, info, fixed, baseName(originalPath)))
            atomicReplace(info, fixed, 0600);
    } catch (const AutomationError &) {
    }
}

} // namespace

bool moveReplacedToTrash(const std::string &folder, const std::string &originalPath)
{
    QString inTrash;
    if (!QFile::moveToTrash(QFile::decodeName(QByteArray::fromStdString(folder)), &inTrash))
        return false;
    recordOrigin(native(inTrash), originalPath);
    return true;
}

} // namespace rnx10
