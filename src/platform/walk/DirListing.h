// Reading one folder's listing straight from the kernel (getdents64) into a reusable buffer.
#pragma once

#include "platform/FileIO.h"

#include <cstddef>
#include <string>
#include <vector>

namespace rnx10::walk {

// Entry types as the listing reports them (the d_type values); Unknown means "ask the inode".
enum class EntryType : unsigned char { Unknown = 0, Fifo = 1, Char = 2, Folder = 4, Block = 6, File = 8, Link = 10, Socket = 12 };

// Opens a folder relative to a folder descriptor, never through a link. Raises on failure.
Descriptor openFolderAt(int parent, const char *name, const std::string &pathForErrors);
// The same, but hands back -1 with errno set instead of raising.
int tryOpenFolderAt(int parent, const char *name);

// Opens sub-folder name of parent like tryOpenFolderAt, but fails with EXDEV when name is the
// mount point of another file system (a bind mount included).
int tryOpenFolderSameMount(int parent, const char *name);

// The type of name in folder dir, from its inode (for listings that say Unknown); Unknown when it
// cannot be read.
EntryType typeAt(int dir, const char *name);

class DirListing {
public:
    // Reads every entry of the open folder fd (from its start). Raises with path on failure.
    void read(int fd, const std::string &path);

    // Calls fn(name, type) for each entry in listing order, without "." and "..".
    template <typename Fn>
    void forEach(Fn &&fn) const
    {
        std::size_t at = 0;
        while (at < m_used) {
            const Record *r = reinterpret_cast<const Record *>(m_buffer.data() + at);
            if (!isDot(r->name))
                fn(static_cast<const char *>(r->name), static_cast<EntryType>(r->type));
            at += r->length;
        }
    }

private:
    // The kernel's linux_dirent64 layout.
    struct Record {
        unsigned long long inode;
        long long offset;
        unsigned short length;
        unsigned char type;
        char name[1];
    };
    bool endMarked(std::size_t chunk) const;
    static bool isDot(const char *n) { return n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)); }

    std::vector<char> m_buffer;
    std::size_t m_used = 0;
};

// The names of the real folders (no links, no other entries) directly inside the open folder dir,
// in listing order. Raises as DirListing::read does; path names the folder in that error.
std::vector<std::string> subFolderNamesAt(int dir, const std::string &path);

} // namespace rnx10::walk
