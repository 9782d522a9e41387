#pragma once

// AT-SPI clients such as Orca cache an object's states and update each one
// only from its own change signal. Qt 6.4 reports "visible" together with
// "showing" but signals only "showing" when an object is shown or hidden, so
// a reader would keep the "visible" it saw first and lose a panel that came
// into view later. Elsewhere there is no such cache to keep up to date.

class QAccessibleInterface;

namespace formular {

// Signals the object's "visible" state on the accessibility bus.
void signalVisibleChanged(QAccessibleInterface& object, bool visible);

}  // namespace formular
