#pragma once

// The program's plain notices to the user, such as a link that finds no
// browser.

#include <QString>

#include <functional>

class QWidget;

namespace formular {

// The title of every box the program shows.
inline constexpr auto messageBoxTitle = "Marelto";

using MessagePresenter = std::function<void(const QString& text)>;

// A modal box over parent with the text, an OK button only and no icon.
MessagePresenter messageBoxPresenter(QWidget* parent);

}  // namespace formular
