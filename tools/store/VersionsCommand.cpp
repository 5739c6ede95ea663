#include "VersionsCommand.h"

#include "store/FileVersions.h"
#include "store/StoreLocation.h"
#include "platform/Translation.h"

namespace rnx10::store {

void runVersions(const CommandArguments &arguments, RecordOutput &out)
{
    //: The argument names as the usage shows them, after "expected".
    arguments.expectPositional(1, tx("rnx10-store", "PATH"));
    const std::string &path = arguments.positional()[0];
    const std::vector<FileVersion> versions = fileVersions(computerFolderPath(), path);
    if (versions.empty())
        throw err::fileNotFound(fillIn(tx("rnx10-store", "no archive holds %1"), {path}));
    for (const FileVersion &v : versions) {
        const std::string date = dateText(v.date), size = std::to_string(v.facts.size);
        const std::string mtime = isoTimeText(v.facts.mtime), change = changeText(v.change);
        out.item(date + '\t' + v.hour + '\t' + size + '\t' + mtime + '\t' + change + '\t' + v.storePath,
                 {{"date", date},
                  {"hour", v.hour},
                  {"archive", v.archive},
                  {"source", v.sourceDir},
                  {"path", v.storePath},
                  {"type", std::string(kindText(v.facts.kind))},
                  {"size", static_cast<std::int64_t>(v.facts.size)},
                  {"mtime", mtime},
                  {"change", change}});
    }
}

} // namespace rnx10::store
