// The standard text each error number's description starts with ("Path not found" for 76), kept
// once for the errors that are made and for the translations that show them.
#pragma once

namespace rnx10::err {

// The English text for number; null for a number without one of its own.
const char *standardText(int number);

} // namespace rnx10::err
