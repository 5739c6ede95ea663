// Starting programs and handing documents to the desktop's opener.
#pragma once

#include <string>

namespace rnx10 {

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a target as the desktop would: an executable regular file is started directly, any
    // other target goes to xdg-open. Never through a command shell. Returns false for an empty
    // target, a local path that does not exist, or when nothing could be started.
    // A relative path is handed on as "./path", so it is never taken for an option.
    // The show command has no meaning on Linux and is accepted for the record.
    virtual bool open(const std::string &target, int showCommand) = 0;
    // Opens a local file or folder as a document: it always goes to xdg-open, even when it is an
    // executable file, so a path read from data is never started as a program. Returns false for
    // a path that does not exist (an address is no path) or when xdg-open could not be started.
    virtual bool openDocument(const std::string &path, int showCommand) = 0;
};

class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // Starts the program at path with no arguments, detached, not waited for; returns its task
    // identifier. Raises 53 "File not found: PATH" when it cannot be started.
    virtual long start(const std::string &path, int windowStyle) = 0;
};

class SystemShell : public Shell {
public:
    bool open(const std::string &target, int showCommand) override;
    bool openDocument(const std::string &path, int showCommand) override;
};

class SystemProgramStarter : public ProgramStarter {
public:
    long start(const std::string &path, int windowStyle) override;
};

// Spawns argv[0] with argv detached (own session, not waited for, no shell). Returns the pid or -1.
long spawnDetached(const std::string &program, const std::string &argument, bool withArgument);

} // namespace rnx10
