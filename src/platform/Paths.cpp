#include "platform/Paths.h"

#include <sys/stat.h>

#include <cstdlib>

namespace rnx10 {

std::string joinPath(std::string_view folder, std::string_view name)
{
    std::string joined;
    joined.reserve(folder.size() + 1 + name.size());
    joined.append(folder);
    if (!folder.empty() && folder.back() != '/')
        joined += '/';
    joined.append(name);
    return joined;
}

std::string withoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

std::string parentPath(const std::string &path)
{
    const std::string p = withoutTrailingSlashes(path);
    auto slash = p.rfind('/');
    if (slash == std::string::npos || p == "/")
        return {};
    return slash == 0 ? "/" : p.substr(0, slash);
}

std::string baseName(const std::string &path)
{
    const std::string p = withoutTrailingSlashes(path);
    auto slash = p.rfind('/');
    return slash == std::string::npos ? p : p.substr(slash + 1);
}

bool isInside(std::string_view path, std::string_view folder)
{
    if (path.empty() || folder.empty())
        return false;
    if (folder == "/" || path == folder)
        return true;
    return path.size() > folder.size() && path.starts_with(folder) && path[folder.size()] == '/';
}

std::string realPath(const std::string &path)
{
    char *resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return {};
    std::string result(resolved);
    std::free(resolved);
    return result;
}

std::string followLink(const std::string &path)
{
    struct stat st{};
    if (::lstat(withoutTrailingSlashes(path).c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
        return path;
    std::string real = realPath(path);
    return real.empty() ? path : real;
}

} // namespace rnx10
