// Low-level file input and output: an owned descriptor, reading and writing everything, and
// replacing a file as one step.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <unistd.h>

namespace rnx10 {

// An owned file descriptor, closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(Descriptor &&o) noexcept : m_fd(o.release()) {}
    Descriptor &operator=(Descriptor &&o) noexcept
    {
        if (this != &o)
            reset(o.release());
        return *this;
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    int release()
    {
        int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }
    // Closes now; false, errno set, when the close reports an error (a late write failure shows
    // here). Closed either way.
    bool close() { return ::close(release()) == 0; }

private:
    int m_fd;
};

// Opens path with flags (close-on-exec always) and, for a file it creates, mode less the umask.
// Raises the file system's error naming path.
Descriptor openFile(const std::string &path, int flags, unsigned mode = 0666);

// Writes every byte, again after an interrupted or short write. False, errno set, on failure.
bool writeAll(int fd, std::string_view data);

// Appends everything up to the end, again after an interrupted read. False, errno set, on failure.
bool readAll(int fd, std::string &into);

// The whole file; nothing when it does not exist. Raises for any other failure.
std::optional<std::string> readFileIfExists(const std::string &path);

// What readSmallFile found at a path.
enum class SmallFile {
    Read,       // a regular file within the bound: the text holds all of it
    Missing,    // nothing there
    NotRegular, // a FIFO, device, socket or folder, or (with NoFollow) a link: never read
    TooLarge,   // more bytes than the bound
    Failed,     // could not be opened or read; error holds errno
};
struct SmallFileText {
    SmallFile status = SmallFile::Missing;
    std::string text;
    int error = 0;
};
enum class Links { Follow, NoFollow };

// Reads a regular file of at most maxBytes without ever waiting on a writer: it is opened
// non-blocking (a FIFO or device never holds the caller) and checked after the open. Never raises.
SmallFileText readSmallFile(const std::string &path, std::size_t maxBytes, Links links = Links::Follow);
// The same for name in the open folder dirFd (a path is taken from the current folder with AT_FDCWD).
SmallFileText readSmallFileAt(int dirFd, const char *name, std::size_t maxBytes, Links links = Links::Follow);

// What atomicReplace does with a link at its path.
enum class LinkAtPath {
    Replace,     // the link gives way to the file; what it points to is untouched
    WriteTarget, // the file the link (or chain of links) leads to is replaced; the link stays
};

// Replaces path with bytes so that it holds the old content or the new, never a part: the bytes
// go to a new file beside it, which gets the existing file's mode and, where allowed, its owner
// (newFileMode less the umask when there is no file yet), is synced, renamed over path, and the
// folder synced. A link at path is handled as link says; with WriteTarget everything above
// applies to the file at the end of the links, which is created when missing. Raises the file
// system's error naming the file written; on failure it is untouched and nothing is left beside it.
void atomicReplace(const std::string &path, std::string_view bytes, unsigned newFileMode = 0666,
                   LinkAtPath link = LinkAtPath::Replace);

} // namespace rnx10
