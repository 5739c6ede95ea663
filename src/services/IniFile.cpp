#include "services/IniFile.h"

#include "automation/AutomationError.h"
#include "platform/Paths.h"
#include "services/IniText.h"

#include <SimpleIni.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace rnx10::IniFile {

namespace {
void loadInto(CSimpleIniA &ini, const std::string &path)
{
    ini.SetUnicode(true);
    ini.SetMultiKey(false);
    ini.SetMultiLine(false);
    ini.LoadFile(path.c_str());
}

// The file's bytes; the empty text when it does not exist yet.
std::string readExisting(const std::string &path)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return {};
        throw err::fromErrno(errno, path);
    }
    std::string text;
    char buffer[8192];
    while (true) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            int e = errno;
            ::close(fd);
            throw err::fromErrno(e, path);
        }
        if (n == 0)
            break;
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return text;
}

void writeAll(int fd, const std::string &data, const std::string &path)
{
    size_t done = 0;
    while (done < data.size()) {
        ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw err::fromErrno(errno, path);
        }
        done += static_cast<size_t>(n);
    }
}
} // namespace

std::optional<std::string> read(const std::string &path, const std::string &section, const std::string &key)
{
    CSimpleIniA ini;
    loadInto(ini, path);
    const char *value = ini.GetValue(section.c_str(), key.c_str(), nullptr);
    if (!value)
        return std::nullopt;
    return std::string(value);
}

void write(const std::string &path, const std::string &section, const std::string &key, const std::string &value)
{
    const std::string folder = parentPath(path).empty() ? "." : parentPath(path);
    struct stat st{};
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        throw err::pathNotFound(folder);

    // Only the one entry changes: every other byte of the file stays as it was.
    const std::string data = IniText::setValue(readExisting(path), section, key, value);

    mode_t mode = 0644;
    if (::stat(path.c_str(), &st) == 0)
        mode = st.st_mode & 07777;
    std::string temp = path + ".tmp-" + std::to_string(::getpid());
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0)
        throw err::fromErrno(errno, path);
    try {
        writeAll(fd, data, path);
        if (::fsync(fd) != 0)
            throw err::fromErrno(errno, path);
    } catch (...) {
        ::close(fd);
        ::unlink(temp.c_str());
        throw;
    }
    ::close(fd);
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        int e = errno;
        ::unlink(temp.c_str());
        throw err::fromErrno(e, path);
    }
}

} // namespace rnx10::IniFile
