// Tells the desktop that a backup run failed: a freedesktop notification on the session bus.
#pragma once

#include <chrono>
#include <string>

namespace rnx10::backuptool {

enum class NoticeResult {
    NoBus,  // DBUS_SESSION_BUS_ADDRESS is not set: nothing was tried
    Sent,   // the notification server took it
    Failed, // the bus or the server could not be reached, or refused it
};

enum class NoticeLevel {
    Failure,     // critical, with the error icon: stays until seen
    Information, // normal, with the information icon
};

// Sends summary and body as a notification through the session bus of DBUS_SESSION_BUS_ADDRESS.
// Waits at most limit for the server's answer.
NoticeResult notifyDesktop(const std::string &summary, const std::string &body, std::chrono::milliseconds limit,
                           NoticeLevel level = NoticeLevel::Failure);

} // namespace rnx10::backuptool
