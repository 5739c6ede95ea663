#include "services/IniFile.h"

#include "automation/AutomationError.h"
#include "platform/FileSystemObject.h"

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

    CSimpleIniA ini;
    loadInto(ini, path);
    if (ini.SetValue(section.c_str(), key.c_str(), value.c_str()) < 0)
        throw err::pathFileAccess(path);
    std::string data;
    if (ini.Save(data, false) < 0)
        throw err::pathFileAccess(path);

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
