// The error every operation of the component raises: a classic automation error number and text.
#pragma once

#include "Export.h"

#include <optional>
#include <stdexcept>
#include <string>

namespace rnx10 {

class RNX10_EXPORT AutomationError : public std::runtime_error {
public:
    AutomationError(int number, std::string description)
        : std::runtime_error(description), m_number(number), m_description(std::move(description)) {}

    int number() const { return m_number; }
    const std::string &description() const { return m_description; }

private:
    int m_number;
    std::string m_description;
};

// The runtime's standard errors, with their standard texts (the detail, when given, is appended).
namespace err {
constexpr int InvalidCall = 5;
constexpr int TypeMismatch = 13;
constexpr int FileNotFound = 53;
constexpr int FileExists = 58;
constexpr int PermissionDenied = 70;
constexpr int PathFileAccess = 75;
constexpr int PathNotFound = 76;
constexpr int ObjectNotSet = 91;
constexpr int CantCreateObject = 429;
// The host cannot show the component's windows: here, no display can be reached.
constexpr int NoDisplay = 406;

RNX10_EXPORT AutomationError invalidCall(const std::string &detail = {});
RNX10_EXPORT AutomationError fileNotFound(const std::string &detail = {});
RNX10_EXPORT AutomationError fileExists(const std::string &detail = {});
RNX10_EXPORT AutomationError permissionDenied(const std::string &detail = {});
RNX10_EXPORT AutomationError pathFileAccess(const std::string &detail = {});
RNX10_EXPORT AutomationError pathNotFound(const std::string &detail = {});
RNX10_EXPORT AutomationError objectNotSet();
RNX10_EXPORT AutomationError cantCreateObject(const std::string &detail = {});
RNX10_EXPORT AutomationError noDisplay(const std::string &detail = {});

// Maps an errno value from a file-system call to the matching error, naming the path.
RNX10_EXPORT AutomationError fromErrno(int errnoValue, const std::string &path);

// Runs work and hands back what it raised instead of raising it: nothing when it ended well; any
// other exception as error 75 with its text. For results that keep what was found before a failure.
template <typename Work> std::optional<AutomationError> caught(Work &&work)
{
    try {
        work();
    } catch (const AutomationError &e) {
        return e;
    } catch (const std::exception &e) {
        return pathFileAccess(e.what());
    }
    return std::nullopt;
}
} // namespace err

} // namespace rnx10
