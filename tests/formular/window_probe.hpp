#pragma once

// What the window tests look at: controls by name, the panel a user sees,
// and numbers written the way the system's regional settings write them.

#include "formular/formular.hpp"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLocale>
#include <QRect>
#include <QString>

namespace probe {

// Twips as the tables of the window give them, in device-independent pixels.
inline QRect twips(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

inline const QRect viewBand = twips(120, 960, 5295, 3735);

template <class Widget = QWidget>
Widget* control(const Formular& window, const QString& name) {
    return window.findChild<Widget*>(name);
}

// Clicks a button or check box as the user would, wherever its panel is.
inline void press(const Formular& window, const QString& name) {
    control<QAbstractButton>(window, name)->click();
}

// The panel drawn in the middle of the view band, found by hit testing so
// that it follows from positions and stacking, not from the window's logic.
inline QString panelInView(const Formular& window) {
    QWidget* hit = window.childAt(viewBand.center());
    while (hit != nullptr && hit->parentWidget() != &window) {
        hit = hit->parentWidget();
    }
    return qobject_cast<QGroupBox*>(hit) != nullptr ? hit->objectName() : QString();
}

// A number written with ',' as decimal comma, rewritten with the system's
// decimal separator, so one table serves German and English settings.
inline QString local(QString germanNotation) {
    return germanNotation.replace(QLatin1Char(','), QLocale::system().decimalPoint());
}

}  // namespace probe
