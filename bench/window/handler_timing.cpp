// Press-to-result time of each calculator button: from the click to the
// result being in its label or field. Runs offscreen; prints microseconds.

#include "formular/formular.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QLocale>

#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <vector>

namespace {

constexpr int presses = 2000;

struct Timing {
    double first;   // the first press also lays out the result font
    double median;  // of the presses after the first
    double p99;
    double worst;
};

Timing timePresses(QAbstractButton& button) {
    std::vector<double> micros;
    micros.reserve(presses);
    for (int i = 0; i < presses; ++i) {
        const auto start = std::chrono::steady_clock::now();
        button.click();
        micros.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count());
    }
    const double first = micros.front();
    micros.erase(micros.begin());
    std::ranges::sort(micros);
    return {first, micros[micros.size() / 2], micros[micros.size() * 99 / 100], micros.back()};
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Figures for scripts: a decimal point whatever the user's settings.
    std::setlocale(LC_NUMERIC, "C");
    Formular window;
    int failures = 0;
    window.setErrorReporter([&failures](const runtime::RuntimeError&) {
        ++failures;
    });
    // The densities as the system's regional settings write them.
    const QString decimal = QLocale::system().decimalPoint();
    for (const char* field : {"txt_Dichte", "txt_Dichtejetzt"}) {
        window.findChild<QLineEdit*>(field)->setText(QStringLiteral("1%1023").arg(decimal));
    }
    window.findChild<QLineEdit*>("txt_Dichteneu")->setText(QStringLiteral("1%1024").arg(decimal));
    window.show();

    std::printf("%-12s %12s %12s %12s %12s\n", "button", "first (us)", "median (us)", "p99 (us)",
                "worst (us)");
    for (const char* name : {"cmd_Dichte", "Command1", "Command5", "Command6"}) {
        const Timing timing = timePresses(*window.findChild<QAbstractButton*>(name));
        std::printf("%-12s %12.1f %12.1f %12.1f %12.1f\n", name, timing.first, timing.median,
                    timing.p99, timing.worst);
    }
    if (failures != 0) {
        std::fprintf(stderr, "handler_timing: %d presses ended in an error\n", failures);
        return 1;
    }
    return 0;
}
