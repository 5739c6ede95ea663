// Renaming without ever replacing what is at the new name, also where the file system does not
// know RENAME_NOREPLACE (some network file systems answer renameat2 with EINVAL).
#pragma once

#include <string>

namespace rnx10 {

// Renames from to to on one file system unless to exists. 0, or the errno value (EEXIST when to is
// taken). Tries renameat2 RENAME_NOREPLACE; where that is unsupported, claims to first and only
// ever replaces its own claim: a folder by mkdir(to) then a rename onto that empty folder, anything
// else by link(2) then unlink(from), or, without hard links, an O_EXCL empty file renamed over.
int renameNoReplace(const std::string &from, const std::string &to);

// renameNoReplace for an entry that may be a read-only folder of this account: a folder moved to
// another parent must be writable itself (its ".." changes), so it is made writable for the move
// and gets its mode back after, where it ends.
int moveNoReplace(const std::string &from, const std::string &to);

} // namespace rnx10
