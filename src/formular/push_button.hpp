#pragma once

#include <QPushButton>

namespace formular {

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

}  // namespace formular
