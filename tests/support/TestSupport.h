// Shared test helpers: scratch folders, environment scopes, fakes at the platform boundary, and
// expectError (support/ExpectError.h).
#pragma once

#include "platform/Platform.h"
#include "support/ExpectError.h"

#include <QString>
#include <QTemporaryDir>

class QProgressDialog;

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

// QString in test failures as text.
inline void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }

namespace rnx10::test {

// Sets or unsets environment variables for a scope, restoring the old values at its end.
class EnvironmentScope {
public:
    EnvironmentScope() = default;
    ~EnvironmentScope();
    EnvironmentScope(const EnvironmentScope &) = delete;
    EnvironmentScope &operator=(const EnvironmentScope &) = delete;
    void set(const std::string &name, const std::string &value);
    void unset(const std::string &name);

private:
    void remember(const std::string &name);
    std::map<std::string, std::optional<std::string>> m_saved;
};

// A scratch folder removed at the end of the test.
class ScratchDir {
public:
    ScratchDir();
    const std::string &path() const { return m_path; }
    std::string operator/(const std::string &relative) const { return m_path + "/" + relative; }

private:
    QTemporaryDir m_dir;
    std::string m_path;
};

void makeFolders(const std::string &path);
void writeFile(const std::string &path, const std::string &content);
// A run: hourFolder with one archive folder in it (a details.ini and nothing more), made with every
// missing level; returns the archive folder. An hour folder without one is what a failed backup
// leaves, and is no run.
std::string makeRun(const std::string &hourFolder, const std::string &archive = "archive");
std::string readFile(const std::string &path);

// One item a line, for a failure message that shows every item ("" for none).
std::string asLines(const std::vector<std::string> &items);
// The lines of text, without their line breaks.
std::vector<std::string> textLines(const std::string &text);
// text up to its first line break (a message whose details follow its first line).
inline std::string firstLine(const std::string &text) { return text.substr(0, text.find('\n')); }
bool exists(const std::string &path);
// A Unix socket bound at path (which must fit a socket address): its descriptor, -1 when it
// cannot be made. The caller closes it.
int bindSocketAt(const std::string &path);
// Every entry below root as relative paths, with a marker for links and their targets and the
// content of regular files.
std::set<std::string> treeListing(const std::string &root);

// The progress dialog a window job shows now, if any.
QProgressDialog *shownProgressDialog();

// The program root the build makes (stand-ins under 1.0/Sys); from RNX10_BINARY_DIR set by ctest.
std::string builtProgramRoot();

// Answers questions from a script (Yes when the script is empty) and records every box shown.
class FakePrompt : public Prompt {
public:
    struct Box {
        std::string text, title;
        bool question = false;
        Icon icon = Icon::None;
        bool systemModal = false;
        std::string details; // a question's detailed text
        Answer byDefault = Answer::Yes; // what Enter answers a question
    };
    Answer ask(const std::string &text, const std::string &title, bool systemModal, const std::string &details,
               Answer byDefault) override;
    void tell(const std::string &text, const std::string &title, Icon icon) override;

    std::string chooseFolder(const std::string &title, const std::string &start) override;

    std::deque<Answer> answers;
    std::vector<Box> boxes;
    // Folders the folder chooser answers with, in order; "" (cancelled) once they run out. Each
    // chooser shown is recorded in boxes, its title and its start folder as the text.
    std::deque<std::string> folders;
    bool failTells = false; // tell raises, as a box that cannot be shown would
};

// Records every open; openDocument's are in opened as well, and in documents.
class FakeShell : public Shell {
public:
    bool open(const std::string &target, int showCommand) override;
    bool openDocument(const std::string &path, int showCommand) override;
    std::vector<std::pair<std::string, int>> opened;
    std::vector<std::string> documents;
    bool result = true;
};

// Records starts; a path that is not an existing file raises 53 as the real starter does.
class FakeStarter : public ProgramStarter {
public:
    long start(const std::string &path, int windowStyle) override;
    std::vector<std::pair<std::string, int>> started;
};

// A whole installation in a scratch folder: HOME, XDG folders and every environment key point
// into it, and the platform boundary is faked. Folders: root/{home,programs,store,locker,logs,tmp,temp}.
class Installation {
public:
    Installation();
    std::string root() const { return m_scratch.path(); }
    std::string home() const { return m_scratch / "home"; }
    std::string programRoot() const { return m_scratch / "programs"; }
    std::string store() const { return m_scratch / "store"; }
    std::string locker() const { return m_scratch / "locker"; }
    std::string logs() const { return m_scratch / "logs"; }
    std::string suiteTemp() const { return m_scratch / "tmp"; }
    std::string userTemp() const { return m_scratch / "home/Local/Temp"; }
    // Puts an executable placeholder at programRoot/1.0/<sub>/<name>.
    void installProgram(const std::string &relative);

    EnvironmentScope env;
    std::shared_ptr<FakePrompt> prompt = std::make_shared<FakePrompt>();
    std::shared_ptr<FakeShell> shell = std::make_shared<FakeShell>();
    std::shared_ptr<FakeStarter> starter = std::make_shared<FakeStarter>();

private:
    ScratchDir m_scratch;
    ScopedPlatform m_platform;
};

} // namespace rnx10::test
