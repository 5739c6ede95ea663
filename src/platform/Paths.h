// Path text: joining, parent and last name, containment, and the link-resolving lookups.
// Paths are native byte strings ("/" separated); a name need not be valid UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace rnx10 {

// folder + "/" + name, without doubling a separator folder already ends with; name alone when
// folder is empty.
std::string joinPath(std::string_view folder, std::string_view name);

// The folder holding path ("/" for a top-level entry); "" when there is none (a bare name, "/").
// Trailing separators are ignored.
std::string parentPath(const std::string &path);

// The last name of path, trailing separators ignored; "" for the root.
std::string baseName(const std::string &path);

// path without trailing separators ("/" stays "/").
std::string withoutTrailingSlashes(std::string path);

// True when path is folder or lies below it, compared as text: "/a/bc" is not inside "/a/b".
// Every path is inside "/"; nothing is inside "" and "" is inside nothing.
bool isInside(std::string_view path, std::string_view folder);

// The absolute path with every link resolved; the empty text when it does not exist.
std::string realPath(const std::string &path);

// Where path points when it is itself a link (trailing separators ignored) and the link leads
// somewhere; path as it is otherwise. For the few folders whose own link is followed (the store
// root, the computer folder) while the walks below them follow none.
std::string followLink(const std::string &path);

} // namespace rnx10
