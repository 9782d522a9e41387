#pragma once

// The window's controls: the widgets the control tables turn into, their
// fonts and colours, and the builder that places them.

#include "formular/control_description.hpp"

#include <QFont>
#include <QLabel>
#include <QPushButton>

#include <span>
#include <vector>

class QWidget;

namespace formular {

// A label that reports a left click: pressed and released on the label, as a
// button counts a click. A double-click counts as the one click that began it.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

    // Follows the link as a click does, for assistive technology.
    void click();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

// A push button that Return and Enter press while it has the focus, as on
// Windows. It is never a default button, so Return in a text field still
// presses nothing, and it looks like any other button.
class PushButton : public QPushButton {
    Q_OBJECT

public:
    explicit PushButton(const QString& caption, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// "MS Sans Serif" 8.25 pt, falling back on look-alikes where it is missing.
QFont defaultFont();

// Creates one child of parent per description, in table order: its objectName is the
// description's name and its geometry the description's twips in pixels.
std::vector<QWidget*> buildControls(QWidget& parent,
                                    std::span<const ControlDescription> descriptions);

// Restacks siblings so that the first of them is drawn on top of the rest.
void stackTopFirst(std::span<QWidget* const> siblings);

// The widgets that Tab reaches, ordered by their description's tab index.
std::vector<QWidget*> inTabOrder(std::span<const ControlDescription> descriptions,
                                 std::span<QWidget* const> widgets);

}  // namespace formular
