// Depth-first walk of a folder tree on folder descriptors, holding a bounded number of them.
// Sub-folders are walked in listing order, each right after it is entered, so parents come
// before children. Links are never followed: a link is an entry like a file.
#pragma once

#include "platform/walk/DirListing.h"
#include "platform/walk/WalkProgress.h"

#include <sys/types.h>

#include <atomic>
#include <string>
#include <vector>

namespace rnx10::walk {

class TreeWalker;

// What a walk does with the tree; the walker calls it from one thread.
class TreeVisitor {
public:
    virtual ~TreeVisitor() = default;
    // Every entry of the current folder that is not a folder, in listing order, before any
    // of the folder's sub-folders is entered.
    virtual void entry(TreeWalker &at, const char *name, EntryType type) = 0;
    // Before the walk goes into sub-folder name of the current folder; false skips it.
    virtual bool enter(TreeWalker &, const char *) { return true; }
    // Opens sub-folder name of the current folder; raises when it cannot.
    virtual Descriptor open(TreeWalker &at, const char *name);
    // Two-tree walks (copy) open the twin of a sub-folder in the other tree; -1 for none.
    virtual int openTwin(TreeWalker &, const char *) { return -1; }
    // After sub-folder name was walked, with the walker back at its parent.
    virtual void leave(TreeWalker &, const char *) {}
};

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

    // Walks everything below the open folder root (root itself is not entered or left).
    // twin is the root's twin for two-tree walks, or -1. Both descriptors are taken over.
    void run(Descriptor root, const std::string &rootPath, Descriptor twin = Descriptor());

    // The folder being walked: its descriptor, its twin's and its full path.
    int fd() const { return m_stack.back().fd; }
    int twin() const { return m_stack.back().twin; }
    const std::string &path() const { return m_path; }
    std::string childPath(const char *name) const;
    std::size_t depth() const { return m_stack.size() - 1; }
    WalkProgress *progress() const { return m_progress; }

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

    void readFolder();
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
    int m_budget;
    std::vector<Frame> m_stack;
    std::size_t m_lowestOpen = 0; // frames below this one hold no descriptors
    std::string m_path;
    DirListing m_listing;
};

} // namespace rnx10::walk
