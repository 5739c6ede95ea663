#include "platform/walk/SameEntry.h"

#include <sys/stat.h>
#include <unistd.h>

namespace rnx10::walk {

namespace {

std::string linkText(int dir, const char *name)
{
    std::string text(256, '\0');
    for (;;) {
        const ssize_t n = ::readlinkat(dir, name, text.data(), text.size());
        if (n < 0)
            return {};
        if (static_cast<std::size_t>(n) < text.size()) {
            text.resize(static_cast<std::size_t>(n));
            return text;
        }
        text.resize(text.size() * 2);
    }
}

} // namespace

EntryState entryState(int dir, const char *name, const struct stat &st)
{
    EntryState state{st.st_mode & S_IFMT, static_cast<std::int64_t>(st.st_size), st.st_mtim.tv_sec, {}};
    if (S_ISLNK(st.st_mode))
        state.linkTarget = linkText(dir, name);
    return state;
}

const char *entryDifference(const EntryState &a, const EntryState &b)
{
    if (a.type != b.type)
        return "type";
    if (a.type == S_IFDIR)
        return "";
    if (a.type == S_IFLNK)
        return a.linkTarget != b.linkTarget ? "link" : "";
    if (a.type == S_IFREG && a.size != b.size)
        return "size";
    return a.mtime != b.mtime ? "time" : "";
}

} // namespace rnx10::walk
