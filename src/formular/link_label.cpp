#include "formular/link_label.hpp"

#include <QMouseEvent>

#include <utility>

namespace formular {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void LinkLabel::click() { emit clicked(); }

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    const bool wasPressed = std::exchange(pressed_, false);
    event->accept();
    // Moving off the label before letting go cancels the click.
    if (wasPressed && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

void LinkLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double-click arrives as this event; Qt would
    // treat it as a new press, and its release would open the link again.
    if (event->button() == Qt::LeftButton) {
        event->accept();
        return;
    }
    QLabel::mouseDoubleClickEvent(event);
}

}  // namespace formular
