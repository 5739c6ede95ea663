#include "platform/walk/TreeWalker.h"

#include "automation/AutomationError.h"
#include "platform/NameOrder.h"
#include "platform/Paths.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string_view>
#include <vector>

namespace rnx10::walk {

namespace {

void closeIfOpen(int &fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

void identity(int fd, dev_t &dev, ino_t &ino, const std::string &path)
{
    struct stat st{};
    if (::fstat(fd, &st) != 0)
        throw err::fromErrno(errno, path);
    dev = st.st_dev;
    ino = st.st_ino;
}

// Puts names, each ended by a NUL, into name order.
void sortNames(std::string &names)
{
    std::vector<std::string_view> parts;
    for (std::size_t at = 0; at < names.size();) {
        const std::size_t end = names.find('\0', at);
        parts.emplace_back(names.data() + at, end - at);
        at = end + 1;
    }
    std::sort(parts.begin(), parts.end(), nameBefore);
    std::string sorted;
    sorted.reserve(names.size());
    for (std::string_view part : parts) {
        sorted.append(part);
        sorted += '\0';
    }
    names = std::move(sorted);
}

} // namespace

int reopenParent(int child, dev_t dev, ino_t ino, const std::string &path)
{
    int fd = tryOpenFolderAt(child, "..");
    if (fd < 0)
        throw err::fromErrno(errno, path);
    struct stat st{};
    if (::fstat(fd, &st) != 0 || st.st_dev != dev || st.st_ino != ino) {
        ::close(fd);
        throw err::pathFileAccess(path + " (moved during the walk)");
    }
    return fd;
}


std::string Folder::childPath(const char *name) const
{
    return joinPath(path, name);
}

Descriptor TreeVisitor::open(const Folder &at, const char *name)
{
    return openFolderAt(at.fd, name, at.childPath(name));
}

void readFolder(DirListing &listing, const Folder &at, TreeVisitor &visitor, std::string &subFolders,
                WalkProgress *progress)
{
    listing.read(at.fd, at.path);
    std::uint64_t count = 0;
    listing.forEach([&](const char *name, EntryType type) {
        ++count;
        if (type == EntryType::Unknown)
            type = typeAt(at.fd, name);
        if (type == EntryType::Folder)
            subFolders.append(name, std::strlen(name) + 1);
        else
            visitor.entry(at, name, type);
    });
    if (progress)
        progress->entries.fetch_add(count + 1, std::memory_order_relaxed);
}

TreeWalker::TreeWalker(TreeVisitor &visitor, WalkProgress *progress, int budget)
    : m_visitor(visitor), m_progress(progress), m_budget(budget < 2 ? 2 : budget)
{
}

TreeWalker::~TreeWalker() { closeAll(); }

void TreeWalker::run(Descriptor root, const std::string &rootPath, Descriptor twin)
{
    closeAll();
    m_path = rootPath;
    m_lowestOpen = 0;
    push(root.release(), twin.release());
    readTop();
    while (!m_stack.empty()) {
        if (!enterNext())
            leaveTop();
    }
}

void TreeWalker::readTop()
{
    if ((m_progress && m_progress->cancel.load(std::memory_order_relaxed)) ||
        (m_stop && m_stop->load(std::memory_order_relaxed)))
        throw interrupted();
    Frame &frame = m_stack.back();
    readFolder(m_listing, top(), m_visitor, frame.subFolders, m_progress);
    if (m_nameOrder)
        sortNames(frame.subFolders);
}

// Goes into the next sub-folder of the top frame; false when there is none left.
bool TreeWalker::enterNext()
{
    Frame &frame = m_stack.back();
    while (frame.next < frame.subFolders.size()) {
        const char *name = frame.subFolders.c_str() + frame.next;
        frame.next += std::strlen(name) + 1;
        Folder at = top();
        if (!m_visitor.enter(at, name))
            continue;
        makeRoom();
        Descriptor child = m_visitor.open(at, name);
        Descriptor childTwin = m_visitor.openTwin(at, name);
        std::size_t parentLength = m_path.size();
        if (m_path.empty() || m_path.back() != '/')
            m_path += '/';
        m_path += name;
        push(child.release(), childTwin.release());
        m_stack.back().pathLength = parentLength;
        readTop();
        return true;
    }
    return false;
}

void TreeWalker::leaveTop()
{
    if (m_stack.size() == 1) {
        closeAll();
        return;
    }
    Frame &child = m_stack.back();
    Frame &parent = m_stack[m_stack.size() - 2];
    if (parent.fd < 0)
        resume(parent, child);
    std::string name = m_path.substr(child.pathLength + (m_path[child.pathLength] == '/' ? 1 : 0));
    m_path.resize(child.pathLength);
    countOpen(-1);
    closeIfOpen(child.fd);
    closeIfOpen(child.twin);
    m_stack.pop_back();
    m_visitor.leave(top(), name.c_str());
}

void TreeWalker::push(int fd, int twin)
{
    Frame f;
    f.fd = fd;
    f.twin = twin;
    f.pathLength = m_path.size();
    m_stack.push_back(std::move(f));
    countOpen(+1);
}

// Closes the outermost open folders so that one more fits in the budget; the current folder
// always stays open.
void TreeWalker::makeRoom()
{
    while (m_stack.size() - m_lowestOpen >= static_cast<std::size_t>(m_budget)) {
        suspend(m_stack[m_lowestOpen]);
        ++m_lowestOpen;
    }
}

void TreeWalker::suspend(Frame &f)
{
    identity(f.fd, f.dev, f.ino, m_path);
    if (f.twin >= 0)
        identity(f.twin, f.twinDev, f.twinIno, m_path);
    closeIfOpen(f.fd);
    closeIfOpen(f.twin);
    countOpen(-1);
}

void TreeWalker::resume(Frame &f, const Frame &child)
{
    std::string path = m_path.substr(0, child.pathLength);
    f.fd = reopenParent(child.fd, f.dev, f.ino, path);
    if (child.twin >= 0)
        f.twin = reopenParent(child.twin, f.twinDev, f.twinIno, path);
    countOpen(+1);
    m_lowestOpen = static_cast<std::size_t>(&f - m_stack.data());
}

void TreeWalker::countOpen(int delta)
{
    if (!m_progress)
        return;
    int now = m_progress->openFolders.fetch_add(delta, std::memory_order_relaxed) + delta;
    int most = m_progress->mostOpenFolders.load(std::memory_order_relaxed);
    while (now > most && !m_progress->mostOpenFolders.compare_exchange_weak(most, now, std::memory_order_relaxed)) {
    }
}

void TreeWalker::closeAll()
{
    for (std::size_t i = m_lowestOpen; i < m_stack.size(); ++i) {
        Frame &f = m_stack[i];
        if (f.fd >= 0)
            countOpen(-1);
        closeIfOpen(f.fd);
        closeIfOpen(f.twin);
    }
    m_stack.clear();
    m_lowestOpen = 0;
}

} // namespace rnx10::walk
