#include "formular/push_button.hpp"

#include <QKeyEvent>

namespace formular {

PushButton::PushButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    // Qt lets only auto-default buttons take Return, and an auto-default
    // button turns default on focus and is drawn with a heavier frame.
    setAutoDefault(false);
    setDefault(false);
}

void PushButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QPushButton::keyPressEvent(event);
        return;
    }
    event->accept();
    // A held key presses once.
    if (!event->isAutoRepeat()) {
        click();
    }
}

}  // namespace formular
