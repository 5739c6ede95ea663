#include "backup_browser/core/DirStructure.h"

#include "platform/FileSystemObject.h"
#include "services/ServiceSet.h"

#include <sys/stat.h>

namespace rnx10 {

bool DirExists(std::string path)
{
    if (path.empty() || path == "." || path == ".." || path == "/")
        return false;
    if (path.back() != '/')
        path += '/';
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode);
}

bool CreateDirStructure(std::string path)
{
    if (DirExists(path))
        return true;
    if (!path.empty() && path.back() == '/')
        path.pop_back();
    std::string accumulated;
    std::size_t start = 0;
    while (true) {
        const std::size_t slash = path.find('/', start);
        const std::string piece = path.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
        accumulated += piece + "/";
        if (!piece.empty() && !DirExists(accumulated))
            services().fileSystem().createFolder(accumulated);
        if (slash == std::string::npos)
            break;
        start = slash + 1;
    }
    return DirExists(path);
}

} // namespace rnx10
