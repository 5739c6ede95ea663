// Tool tips that show their text as it is: names and values from the store and the settings may
// hold "<" or "&", and Qt takes a tool tip that looks like markup for rich text.
#pragma once

#include <QString>

namespace rnx10 {

// The tool tip text that shows text as plain text, line breaks and spaces kept: text as it is
// unless Qt would take it for markup, else escaped.
QString plainToolTip(const QString &text);

// The text a tool tip shows: rich text made plain, plain text as it is.
QString toolTipPlainText(const QString &toolTip);

} // namespace rnx10
