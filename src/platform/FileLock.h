// An advisory lock (flock) that processes of every login share: what changes the store or starts a
// backup holds one while it decides and acts, so two at once never do the same work twice.
#pragma once

#include "platform/FileIO.h"

#include <optional>
#include <string>

namespace rnx10 {

class FileLock {
public:
    enum class Wait { UntilFree, No };

    // Locks path exclusively: a folder as it is, a file created (0600) when missing. With
    // Wait::No, unset when another holds it. Raises with the file system's error, naming path,
    // when path cannot be opened or locked; a file system that has no locks gives a lock that
    // holds nothing back.
    static std::optional<FileLock> hold(const std::string &path, Wait wait);

    FileLock(FileLock &&) = default;
    FileLock &operator=(FileLock &&) = default;

private:
    explicit FileLock(Descriptor fd) : m_fd(std::move(fd)) {}
    Descriptor m_fd; // closing it lets the lock go
};

} // namespace rnx10
