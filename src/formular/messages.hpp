#pragma once

// What the window tells the user: plain notices such as a link that finds no
// browser, the run-time errors that end a handler, and the calculators'
// results as the controls show them.

#include "runtime/runtime_error.hpp"

#include <QString>

#include <functional>
#include <string>

class QWidget;

namespace formular {

// The title of every box the program shows.
inline constexpr auto messageBoxTitle = "Marelto";

using MessagePresenter = std::function<void(const QString& text)>;

// A modal box over parent with the text, an OK button only and no icon.
MessagePresenter messageBoxPresenter(QWidget* parent);

using ErrorReporter = std::function<void(const runtime::RuntimeError&)>;

// "Laufzeitfehler 'N':", an empty line, then the error's German text.
QString errorMessage(const runtime::RuntimeError& error);

// Shows the error in a modal message box titled "Marelto" over parent; the
// program carries on once the user has closed it.
ErrorReporter messageBoxReporter(QWidget* parent);

// Between the texts of the window's controls and the calculators' UTF-8 text.
std::string toUtf8(const QString& text);

// The calculators end report lines with "\r\n"; Qt widgets break on "\n".
QString forDisplay(const std::string& result);

}  // namespace formular
