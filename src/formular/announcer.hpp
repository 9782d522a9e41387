#pragma once

// Tells a screen reader something without moving the keyboard focus, such as
// a result that "Berechnen" wrote or the panel that came into view. Qt 6.4
// has no announcement event; Orca speaks a notification as it comes to show,
// so this widget, never shown itself, is one to assistive technology and
// comes to show for an instant with the text as its name.

#include <QWidget>

namespace formular {

class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    void announce(const QString& text);
};

}  // namespace formular
