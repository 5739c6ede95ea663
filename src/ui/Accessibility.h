// Accessible names and descriptions for the controls of a window, so that a screen reader can say
// what each one is and does.
#pragma once

#include <QString>

class QWidget;

namespace rnx10 {

// A caption as read out: mnemonic markers removed ("Start &Backup" reads "Start Backup", "&&" is "&").
QString plainCaption(const QString &caption);

// Gives control the accessible name, and keeps its accessible description equal to its tool tip
// from now on (a tip set later, or changed, is described too).
void nameControl(QWidget *control, const QString &name);
// Keeps the accessible description of control equal to its tool tip.
void describeByToolTip(QWidget *control);

// Names each widget inside window that has no accessible name yet (a scroll bar, a list's header,
// a view's area) after the nearest named widget holding it and what it is, for example
// "Archives, vertical scroll bar".
void nameInnerParts(QWidget *window);

// The name assistive technology reads for widget (empty when it has none).
QString accessibleNameOf(QWidget *widget);

} // namespace rnx10
