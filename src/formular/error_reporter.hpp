#pragma once

// How a run-time error that ends a handler reaches the user.

#include "runtime/runtime_error.hpp"

#include <QString>

#include <functional>

class QWidget;

namespace formular {

using ErrorReporter = std::function<void(const runtime::RuntimeError&)>;

// "Laufzeitfehler 'N':", an empty line, then the error's German text.
QString errorMessage(const runtime::RuntimeError& error);

// Shows the error in a modal message box titled "Marelto" over parent; the
// program carries on once the user has closed it.
ErrorReporter messageBoxReporter(QWidget* parent);

}  // namespace formular
