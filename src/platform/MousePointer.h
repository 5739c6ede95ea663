// The screen-wide mouse pointer: the arrow with hourglass while working, the plain arrow after.
#pragma once

namespace rnx10 {

enum class MousePointer { Arrow = 1, Busy = 13 };

void setMousePointer(MousePointer pointer);
MousePointer currentMousePointer();

// Busy for a scope; the plain arrow at its end, also when the scope is left by an error.
class BusyPointer {
public:
    BusyPointer() { setMousePointer(MousePointer::Busy); }
    ~BusyPointer() { setMousePointer(MousePointer::Arrow); }
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;
};

} // namespace rnx10
