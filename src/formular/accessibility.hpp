#pragma once

// The window as assistive technology sees it: what Qt is told about the
// window, its panels, fields and links, the names screen readers speak, and
// how results and panel switches are announced.

#include <QObject>
#include <QWidget>

#include <utility>
#include <vector>

namespace formular {

// Makes Qt describe the window, its panels, its text fields, its link labels
// and its announcer to assistive technology as they behave. Safe to call more
// than once; must run before their interfaces are first asked for.
void installAccessibleInterfaces();

// Names the window's fields for screen readers after the labels that caption
// them (control_tables.hpp); a missing control is a fault of the tables.
void nameControls(QWidget& window);

// Tells a screen reader something without moving the keyboard focus, such as
// a result that "Berechnen" wrote or the panel that came into view. Qt 6.4
// has no announcement event; Orca speaks a notification as it comes to show,
// so this widget, never shown itself, is one to assistive technology and
// comes to show for an instant with the text as its name.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    void announce(const QString& text);
};

// Sends the show or hide event for each panel whose sight changed when any
// of them moves, and announces the caption of the panel that came into view.
class PanelSightWatcher : public QObject {
    Q_OBJECT

public:
    PanelSightWatcher(const std::vector<QWidget*>& panels, Announcer& announcer, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<std::pair<QWidget*, bool>> panels_;  // each with whether it was in sight
    Announcer& announcer_;
};

}  // namespace formular
