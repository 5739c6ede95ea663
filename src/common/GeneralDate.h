// Date and time as the desktop's general date form shows them.
#pragma once

#include <string>

class QDateTime;

namespace rnx10 {

// The current local date and time in the locale's general date form: the short date, a blank
// and the long time; at exactly midnight the date alone.
std::string generalDateText();
std::string generalDateText(const QDateTime &when);

} // namespace rnx10
