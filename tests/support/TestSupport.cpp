#include "support/TestSupport.h"

#include "automation/AutomationError.h"

#include <QApplication>
#include <QProgressDialog>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace rnx10::test {

EnvironmentScope::~EnvironmentScope()
{
    for (auto &[name, value] : m_saved) {
        if (value)
            ::setenv(name.c_str(), value->c_str(), 1);
        else
            ::unsetenv(name.c_str());
    }
}

void EnvironmentScope::remember(const std::string &name)
{
    if (m_saved.count(name))
        return;
    const char *old = std::getenv(name.c_str());
    m_saved[name] = old ? std::optional<std::string>(old) : std::nullopt;
}

void EnvironmentScope::set(const std::string &name, const std::string &value)
{
    remember(name);
    ::setenv(name.c_str(), value.c_str(), 1);
}

void EnvironmentScope::unset(const std::string &name)
{
    remember(name);
    ::unsetenv(name.c_str());
}

ScratchDir::ScratchDir() : m_path(m_dir.path().toStdString()) {}

void makeFolders(const std::string &path)
{
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        ::mkdir(path.substr(0, slash).c_str(), 0755);
        if (slash == std::string::npos)
            return;
    }
}

void writeFile(const std::string &path, const std::string &content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

int bindSocketAt(const std::string &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return -1;
    std::copy(path.begin(), path.end(), address.sun_path);
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (sock >= 0 && ::bind(sock, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        ::close(sock);
        return -1;
    }
    return sock;
}

std::string makeRun(const std::string &hourFolder, const std::string &archive)
{
    const std::string folder = hourFolder + "/" + archive;
    makeFolders(folder);
    writeFile(folder + "/details.ini", "[DETAILS]\nSourceDir=/home/ann/Documents\n");
    return folder;
}

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> textLines(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool exists(const std::string &path)
{
    struct stat st{};
    return ::lstat(path.c_str(), &st) == 0;
}

std::set<std::string> treeListing(const std::string &root)
{
    namespace fs = std::filesystem;
    std::set<std::string> entries;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        std::string rel = fs::relative(it->path(), root).string();
        if (it->is_symlink())
            rel += " -> " + fs::read_symlink(it->path()).string();
        else if (it->is_regular_file())
            rel += " = " + readFile(it->path().string());
        entries.insert(rel);
    }
    return entries;
}

QProgressDialog *shownProgressDialog()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *d = qobject_cast<QProgressDialog *>(w); d && d->isVisible())
            return d;
    return nullptr;
}

std::string builtProgramRoot()
{
    const char *dir = std::getenv("RNX10_BINARY_DIR");
    return std::string(dir ? dir : ".") + "/programs";
}

Answer FakePrompt::ask(const std::string &text, const std::string &title, bool systemModal, const std::string &details,
                       Answer byDefault)
{
    boxes.push_back({text, title, true, Icon::Question, systemModal, details, byDefault});
    if (answers.empty())
        return Answer::Yes;
    Answer a = answers.front();
    answers.pop_front();
    return a;
}

std::string FakePrompt::chooseFolder(const std::string &title, const std::string &start)
{
    boxes.push_back({start, title, false, Icon::None, false, {}});
    if (folders.empty())
        return {};
    std::string folder = folders.front();
    folders.pop_front();
    return folder;
}

void FakePrompt::tell(const std::string &text, const std::string &title, Icon icon)
{
    if (failTells)
        throw std::runtime_error("the box cannot be shown: " + text);
    boxes.push_back({text, title, false, icon, false});
}

bool FakeShell::open(const std::string &target, int showCommand)
{
    opened.emplace_back(target, showCommand);
    return result;
}

bool FakeShell::openDocument(const std::string &path, int showCommand)
{
    documents.push_back(path);
    return open(path, showCommand);
}

long FakeStarter::start(const std::string &path, int windowStyle)
{
    struct stat st{};
    if (path.empty())
        throw err::fileNotFound();
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        throw err::fileNotFound(path);
    started.emplace_back(path, windowStyle);
    return static_cast<long>(started.size());
}

Installation::Installation() : m_platform(PlatformHooks{prompt, shell, starter})
{
    for (const char *sub : {"home", "programs/1.0/Sys", "store", "locker", "logs", "tmp", "home/Local/Temp", "xdg/config",
                            "xdg/data", "xdg/state", "xdg/cache"})
        makeFolders(m_scratch / sub);
    env.set("HOME", home());
    env.set("XDG_CONFIG_HOME", m_scratch / "xdg/config");
    env.set("XDG_DATA_HOME", m_scratch / "xdg/data");
    env.set("XDG_STATE_HOME", m_scratch / "xdg/state");
    env.set("XDG_CACHE_HOME", m_scratch / "xdg/cache");
    env.set("ZVENVSYS32MASK", programRoot());
    env.set("ZVENVSBAK", store());
    env.set("ZVENVSFAM", locker());
    env.set("ZVENVSLOGS", logs());
    env.set("ZVENVSTMP", suiteTemp());
    env.set("ZVENVSCOM", "report");
    env.set("TEMP", userTemp());
    env.set("ZVENVSTRDNWEB", "https://zorvane.example/downloads");
    env.set("ZVENVSTRBUY", "https://zorvane.example/shop");
    env.set("ZVENVSTRBRINDLEX", "https://brindlex.example/");
}

void Installation::installProgram(const std::string &relative)
{
    const std::string path = programRoot() + "/1.0/" + relative;
    makeFolders(path.substr(0, path.rfind('/')));
    writeFile(path, "#!/bin/sh\nexit 0\n");
    ::chmod(path.c_str(), 0755);
}

std::string asLines(const std::vector<std::string> &items)
{
    std::string text;
    for (const std::string &item : items)
        text += item + "\n";
    return text;
}

} // namespace rnx10::test

int main(int argc, char **argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::setenv("RNX10_BINARY_DIR", RNX10_DEFAULT_BINARY_DIR, 0);
    // The tests expect the English texts whatever the tester's language; a child that a test started
    // in another language (a death test run again by gtest) keeps the one it was given.
    if (!std::any_of(argv, argv + argc, [](const char *a) { return std::strstr(a, "--gtest_internal_run_death_test"); })) {
        for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
            ::unsetenv(name);
        ::setenv("LANG", "C.UTF-8", 1);
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
