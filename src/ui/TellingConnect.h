// Connecting a control's signal to a window's handler so that no failure of the handler leaves
// into Qt's event loop: it is told to the user instead (ui/TellFailure).
#pragma once

#include "ui/TellFailure.h"

#include <QObject>

#include <functional>
#include <type_traits>

namespace rnx10 {

// As QObject::connect(sender, signal, receiver, slot); the slot gets the signal's arguments when it
// takes them, none otherwise.
template <typename Sender, typename Signal, typename Receiver, typename Slot>
QMetaObject::Connection connectTelling(const Sender *sender, Signal signal, Receiver *receiver, Slot slot)
{
    return QObject::connect(sender, signal, receiver, [receiver, slot](auto... args) {
        tellingFailure([&] {
            if constexpr (std::is_invocable_v<Slot, Receiver *, decltype(args)...>)
                std::invoke(slot, receiver, args...);
            else
                std::invoke(slot, receiver);
        });
    });
}

} // namespace rnx10
