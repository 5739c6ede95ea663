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

// Sends summary and body as a critical notification through the session bus of
// DBUS_SESSION_BUS_ADDRESS. Waits at most limit for the server's answer.
NoticeResult notifyDesktop(const std::string &summary, const std::string &body, std::chrono::milliseconds limit);

} // namespace rnx10::backuptool
