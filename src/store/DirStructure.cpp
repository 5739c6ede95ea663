#include "store/DirStructure.h"

#include "platform/FileSystemObject.h"

namespace rnx10 {

bool DirExists(FileSystemObject &fso, std::string path)
{
    if (path.empty() || path == "." || path == ".." || path == "/")
        return false;
    if (path.back() != '/')
        path += '/';
    return fso.folderExists(path);
}

bool CreateDirStructure(FileSystemObject &fso, std::string path)
{
    if (DirExists(fso, path))
        return true;
    if (!path.empty() && path.back() == '/')
        path.pop_back();
    std::string accumulated;
    std::size_t start = 0;
    while (true) {
        const std::size_t slash = path.find('/', start);
        const std::string piece = path.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
        accumulated += piece + "/";
        if (!piece.empty() && !DirExists(fso, accumulated))
            fso.createFolder(accumulated);
        if (slash == std::string::npos)
            break;
        start = slash + 1;
    }
    return DirExists(fso, path);
}

} // namespace rnx10
