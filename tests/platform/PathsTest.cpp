// Path text: joining, parent and last name, containment, link resolution.
#include "platform/Paths.h"

#include "support/TestSupport.h"

#include <unistd.h>

using namespace rnx10;
using namespace rnx10::test;

namespace {

TEST(Paths, JoinAddsOneSeparatorOnly)
{
    const struct {
        const char *folder, *name, *joined;
    } rows[] = {
        {"/a", "b", "/a/b"}, {"/a/", "b", "/a/b"}, {"/", "b", "/b"}, {"", "b", "b"}, {"a", "b/c", "a/b/c"},
        {"/a", "n\xe4me", "/a/n\xe4me"},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(std::string(r.folder) + " + " + r.name);
        EXPECT_EQ(joinPath(r.folder, r.name), r.joined);
    }
}

TEST(Paths, ParentAndLastNameIgnoreTrailingSeparators)
{
    const struct {
        const char *path, *parent, *base;
    } rows[] = {
        {"/a/b", "/a", "b"}, {"/a/b//", "/a", "b"}, {"/a", "/", "a"}, {"/", "", ""},
        {"a", "", "a"},      {"a/b", "a", "b"},     {"", "", ""},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.path);
        EXPECT_EQ(parentPath(r.path), r.parent);
        EXPECT_EQ(baseName(r.path), r.base);
    }
    EXPECT_EQ(withoutTrailingSlashes("/a//"), "/a");
    EXPECT_EQ(withoutTrailingSlashes("//"), "/");
}

TEST(Paths, InsideMeansTheFolderItselfOrBelowItByWholeNames)
{
    const struct {
        const char *path, *folder;
        bool inside;
    } rows[] = {
        {"/a/b", "/a", true},  {"/a", "/a", true},     {"/a/b/c", "/a", true}, {"/ab", "/a", false},
        {"/a/bc", "/a/b", false}, {"/a", "/a/b", false}, {"/x", "/", true},      {"/", "/", true},
        {"", "/", false},      {"/a", "", false},      {"", "", false},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(std::string(r.path) + " in " + r.folder);
        EXPECT_EQ(isInside(r.path, r.folder), r.inside);
    }
}

TEST(Paths, RealPathResolvesLinksAndIsEmptyForMissingPaths)
{
    ScratchDir dir;
    makeFolders(dir / "target/sub");
    ASSERT_EQ(::symlink((dir / "target").c_str(), (dir / "link").c_str()), 0);
    const std::string target = realPath(dir / "target");
    ASSERT_FALSE(target.empty());
    EXPECT_EQ(realPath(dir / "link/sub"), target + "/sub");
    EXPECT_EQ(realPath(dir / "missing"), "");
}

TEST(Paths, FollowLinkResolvesOnlyALinkAtThePathItself)
{
    ScratchDir dir;
    makeFolders(dir / "target/sub");
    ASSERT_EQ(::symlink((dir / "target").c_str(), (dir / "link").c_str()), 0);
    ASSERT_EQ(::symlink((dir / "target/sub").c_str(), (dir / "target/sublink").c_str()), 0);
    ASSERT_EQ(::symlink((dir / "gone").c_str(), (dir / "dangling").c_str()), 0);
    const std::string target = realPath(dir / "target");
    const struct {
        std::string path, followed;
    } rows[] = {
        {dir / "link", target},
        {dir / "link/", target},
        {dir / "target", dir / "target"},
        {dir / "link/sub", dir / "link/sub"}, // a link on the way is left to the lookups
        {dir / "link/sublink", target + "/sub"},
        {dir / "dangling", dir / "dangling"},
        {dir / "missing", dir / "missing"},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.path);
        EXPECT_EQ(followLink(r.path), r.followed);
    }
}

} // namespace
