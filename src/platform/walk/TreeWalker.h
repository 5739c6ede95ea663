// Depth-first walk of a folder tree on folder descriptors, holding a bounded number of them.
// Sub-folders are walked in listing order (or name order when asked), each right after it is
// entered, so parents come before children. Links are never followed: a link is an entry like a file.
#pragma once

#include "platform/walk/DirListing.h"
#include "platform/walk/WalkProgress.h"

#include <sys/types.h>

#include <atomic>
#include <string>
#include <vector>

namespace rnx10::walk {

// The folder a visitor is called in: its descriptor, its twin's in a two-tree walk (else -1)
// and its full path.
struct Folder {
    int fd;
    int twin;
    const std::string &path;

    std::string childPath(const char *name) const;
};

// What a walk does with the tree. One visitor object is called from one thread at a time, and
// leave() calls come in the reverse order of the enter() calls that returned true.
class TreeVisitor {
public:
    virtual ~TreeVisitor() = default;
    // Every entry of folder at that is not a folder, in listing order, before any of the folder's
    // sub-folders is entered.
    virtual void entry(const Folder &at, const char *name, EntryType type) = 0;
    // Before the walk goes into sub-folder name of at; false skips it.
    virtual bool enter(const Folder &, const char *) { return true; }
    // Opens sub-folder name of at; raises when it cannot.
    virtual Descriptor open(const Folder &at, const char *name);
    // Two-tree walks (copy) open the twin of a sub-folder in the other tree; none by default.
    virtual Descriptor openTwin(const Folder &, const char *) { return Descriptor(); }
    // After everything below sub-folder name of at was walked.
    virtual void leave(const Folder &, const char *) {}
};

// Reads folder at, hands its entries that are not folders to visitor and appends the names of its
// sub-folders to subFolders, each ended by a NUL; counts the folder and its entries in progress.
void readFolder(DirListing &listing, const Folder &at, TreeVisitor &visitor, std::string &subFolders,
                WalkProgress *progress);

// Opens the parent of the open folder child and makes sure it is still the folder of that device
// and inode (the folder a walk came from); raises naming path otherwise. Returns the descriptor.
int reopenParent(int child, dev_t dev, ino_t ino, const std::string &path);

class TreeWalker {
public:
    // Most folders a walk holds open at once (a two-tree walk holds two descriptors for each).
    static constexpr int kDefaultBudget = 64;

    TreeWalker(TreeVisitor &visitor, WalkProgress *progress, int budget = kDefaultBudget);
    ~TreeWalker();
    TreeWalker(const TreeWalker &) = delete;
    TreeWalker &operator=(const TreeWalker &) = delete;

    // A second stop request (another thread's failure); the walk then raises walk::interrupted().
    void setStop(const std::atomic<bool> *stop) { m_stop = stop; }
    // Sub-folders are walked in name order (platform/NameOrder.h) instead of listing order.
    void setNameOrder(bool on) { m_nameOrder = on; }

    // Walks everything below the open folder root (root itself is not entered or left).
    // twin is the root's twin for two-tree walks, or -1. Both descriptors are taken over.
    void run(Descriptor root, const std::string &rootPath, Descriptor twin = Descriptor());

private:
    struct Frame {
        int fd = -1;
        int twin = -1;
        dev_t dev = 0, twinDev = 0; // recorded when the descriptors are closed for the budget,
        ino_t ino = 0, twinIno = 0; // checked when the folder is opened again through ".."
        std::string subFolders;     // names still to walk, each ended by a NUL
        std::size_t next = 0;
        std::size_t pathLength = 0;
    };

    Folder top() const { return {m_stack.back().fd, m_stack.back().twin, m_path}; }
    void readTop();
    bool enterNext();
    void leaveTop();
    void push(int fd, int twin);
    void makeRoom();
    void suspend(Frame &f);
    void resume(Frame &f, const Frame &child);
    void countOpen(int delta);
    void closeAll();

    TreeVisitor &m_visitor;
    WalkProgress *m_progress;
    const std::atomic<bool> *m_stop = nullptr;
    bool m_nameOrder = false;
    int m_budget;
    std::vector<Frame> m_stack;
    std::size_t m_lowestOpen = 0; // frames below this one hold no descriptors
    std::string m_path;
    DirListing m_listing;
};

} // namespace rnx10::walk
