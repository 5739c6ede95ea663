#include "store/DesktopTrash.h"

#include "platform/NoReplaceRename.h"
#include "platform/Paths.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>

namespace rnx10 {

namespace {

constexpr int kMostNames = 1000;

std::optional<dev_t> deviceOf(const std::string &path)
{
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return st.st_dev;
}

// The path itself when it exists, else its nearest existing ancestor.
std::string nearestExisting(std::string path)
{
    struct stat st{};
    while (!path.empty() && ::stat(path.c_str(), &st) != 0)
        path = parentPath(path);
    return path;
}

std::string homeTrash()
{
    const char *data = ::getenv("XDG_DATA_HOME");
    if (data && data[0] == '/')
        return joinPath(data, "Trash");
    const char *home = ::getenv("HOME");
    return home && home[0] == '/' ? joinPath(home, ".local/share/Trash") : std::string();
}

// The top folder of the mount holding folder (an existing, resolved path).
std::string mountTop(std::string folder)
{
    const std::optional<dev_t> device = deviceOf(folder);
    while (device && folder != "/") {
        const std::string parent = parentPath(folder);
        if (deviceOf(parent) != device)
            break;
        folder = parent;
    }
    return folder;
}

bool ownFolder(const struct stat &st) { return S_ISDIR(st.st_mode) && st.st_uid == ::geteuid(); }

// A folder of this account (never a link) at path: there already, made now, or (without create)
// one that could be made.
bool ownFolderAt(const std::string &path, bool create)
{
    struct stat st{};
    if (::lstat(path.c_str(), &st) == 0)
        return ownFolder(st);
    if (errno != ENOENT)
        return false;
    if (!create)
        return ::access(nearestExisting(parentPath(path)).c_str(), W_OK | X_OK) == 0;
    if (::mkdir(path.c_str(), S_IRWXU) != 0 && errno != EEXIST)
        return false;
    return ::lstat(path.c_str(), &st) == 0 && ownFolder(st);
}

bool usableTrash(const std::string &trash, dev_t device, bool create)
{
    if (!ownFolderAt(trash, create) || !ownFolderAt(trash + "/files", create) || !ownFolderAt(trash + "/info", create))
        return false;
    const std::optional<dev_t> at = deviceOf(nearestExisting(trash));
    return at && *at == device;
}

// The home trash's folders above Trash itself ($XDG_DATA_HOME may not exist yet).
bool makeParents(const std::string &folder)
{
    struct stat st{};
    if (::stat(folder.c_str(), &st) == 0)
        return S_ISDIR(st.st_mode);
    const std::string parent = parentPath(folder);
    return !parent.empty() && makeParents(parent) && (::mkdir(folder.c_str(), S_IRWXU) == 0 || errno == EEXIST);
}

bool stickyFolder(const std::string &path)
{
    struct stat st{};
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX) != 0;
}

std::string localTimeText()
{
    const time_t now = ::time(nullptr);
    struct tm local{};
    ::localtime_r(&now, &local);
    char text[32] = {};
    ::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    return text;
}

// originalPath as its info records it: relative to the top folder of a mount's trash.
std::string recordedPath(const std::string &originalPath, const std::string &topDir)
{
    if (topDir.empty())
        return originalPath;
    const std::string real = joinPath(realPath(parentPath(originalPath)), baseName(originalPath));
    if (topDir == "/")
        return real.substr(1);
    if (!isInside(real, topDir) || real == topDir)
        return originalPath;
    return real.substr(topDir.size() + 1);
}

bool writeInfo(const std::string &infoPath, const std::string &text)
{
    const int fd = ::open(infoPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    const bool closed = ::close(fd) == 0;
    if (done == text.size() && closed)
        return true;
    ::unlink(infoPath.c_str());
    errno = EIO;
    return false;
}

// The name in the trash: name and suffix, name shortened (never inside a UTF-8 character) so that
// its info file's name, name + ".trashinfo", fits a file name. The info keeps the whole path.
std::string trashName(const std::string &name, const std::string &suffix)
{
    constexpr std::size_t kLongest = 255 - std::char_traits<char>::length(".trashinfo");
    std::string base = name;
    if (base.size() + suffix.size() > kLongest) {
        base.resize(kLongest - suffix.size());
        std::size_t cut = base.size();
        while (cut > 0 && (static_cast<unsigned char>(base[cut - 1]) & 0xC0) == 0x80)
            --cut; // continuation bytes of a character that may be cut short
        if (cut > 0 && static_cast<unsigned char>(base[cut - 1]) >= 0xC0)
            --cut; // and its first byte
        if (cut > 0 && cut < base.size())
            base.resize(cut);
    }
    return base + suffix;
}

} // namespace

std::string trashPathValue(const std::string &path)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string encoded;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9')
                           || c == '-' || c == '.' || c == '_' || c == '~' || c == '/';
        if (plain) {
            encoded += c;
        } else {
            encoded += '%';
            encoded += hex[byte >> 4];
            encoded += hex[byte & 15];
        }
    }
    return encoded;
}

std::optional<TrashFolder> trashFor(const std::string &path, bool create)
{
    const std::string folder = realPath(parentPath(path));
    const std::optional<dev_t> device = folder.empty() ? std::nullopt : deviceOf(folder);
    if (!device)
        return std::nullopt;
    const std::string home = homeTrash();
    const std::optional<dev_t> homeDevice = home.empty() ? std::nullopt : deviceOf(nearestExisting(home));
    if (homeDevice == device && (!create || makeParents(parentPath(home))) && usableTrash(home, *device, create))
        return TrashFolder{home, {}};
    const std::string top = mountTop(folder);
    const std::string uid = std::to_string(::geteuid());
    const std::string shared = joinPath(top, ".Trash");
    if (stickyFolder(shared) && usableTrash(joinPath(shared, uid), *device, create))
        return TrashFolder{joinPath(shared, uid), top};
    const std::string own = joinPath(top, ".Trash-" + uid);
    if (usableTrash(own, *device, create))
        return TrashFolder{own, top};
    return std::nullopt;
}

std::optional<std::string> moveToTrash(const std::string &entry, const std::string &originalPath)
{
    const std::optional<TrashFolder> trash = trashFor(entry, true);
    if (!trash)
        return std::nullopt;
    const std::string info = "[Trash Info]\nPath=" + trashPathValue(recordedPath(originalPath, trash->topDir))
                             + "\nDeletionDate=" + localTimeText() + "\n";
    const std::string name = baseName(originalPath);
    for (int n = 1; n <= kMostNames; ++n) {
        const std::string candidate = trashName(name, n == 1 ? std::string() : "." + std::to_string(n));
        const std::string infoPath = trash->path + "/info/" + candidate + ".trashinfo";
        if (!writeInfo(infoPath, info)) {
            if (errno == EEXIST)
                continue;
            break;
        }
        const std::string inTrash = trash->path + "/files/" + candidate;
        const int failure = moveNoReplace(entry, inTrash);
        if (failure == 0)
            return inTrash;
        ::unlink(infoPath.c_str());
        if (failure != EEXIST)
            break;
    }
    return std::nullopt;
}

} // namespace rnx10
