// The three web links clicked in the window, end to end: the desktop's own
// URL association found through GIO in a scratch home, and a stand-in
// xdg-open that writes down the address it was given. Each click runs in a
// child process, since GLib reads the XDG folders once per process.

#include "window_probe.hpp"

#include "scratch_desktop.hpp"

#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <new>
#include <stdexcept>

using probe::control;
using testsupport::awaitRecord;
using testsupport::ScratchDesktop;

enum class Browser { Registered, None, CannotStart };
Q_DECLARE_METATYPE(Browser)
// What showing the no-browser notice does: show it, or fail as a handler
// can fail in ways other than a run-time error.
enum class Notice { Shown, OutOfMemory, OtherFailure };
Q_DECLARE_METATYPE(Notice)

class LinksTest : public QObject {
    Q_OBJECT

private slots:
    void click_data();
    void click();
    void noBrowserMessageBox();
};

namespace {

using namespace std::chrono_literals;

const QString publisherAddress = QStringLiteral("http://www.marelto.example");
const QString makerAddress = QStringLiteral("http://muster.example");
const QString noBrowser = QStringLiteral("Unable to open URL. Install browser first!");
const QString fileNotFound = QStringLiteral("Laufzeitfehler '53':\n\nDatei nicht gefunden");
const QString outOfMemory = QStringLiteral("Laufzeitfehler '7':\n\nNicht genügend Speicher");
const QString failedCall =
    QStringLiteral("Laufzeitfehler '5':\n\nUnzulässiger Prozeduraufruf oder ungültiges Argument");

void install(ScratchDesktop& desktop, Browser browser) {
    switch (browser) {
        case Browser::Registered:
            desktop.addHttpHandler("browser", desktop.addRecorder("browser").string());
            desktop.addRecorder("xdg-open");
            break;
        case Browser::None:
            // Ready to record a start that must not happen.
            desktop.addRecorder("xdg-open");
            break;
        case Browser::CannotStart:
            // The opener itself cannot be started: its interpreter is missing.
            // (A desktop entry GIO launches is started through a helper, so a
            // browser that fails there is never reported back.)
            desktop.addHttpHandler("browser", desktop.addRecorder("browser").string());
            desktop.addScript("xdg-open", "/nonexistent/interpreter", "");
            break;
    }
}

// A fresh window, the buttons pressed, then the clicks (or one double-click)
// on the link. Returns what the user was told, one entry a line, and the
// panel then in view.
std::string clickInWindow(const QStringList& presses, const QString& link, Qt::MouseButton button,
                          int clicks, bool doubleClick, Notice notice) {
    Formular window;
    QStringList told;
    window.setErrorReporter(
        [&told](const runtime::RuntimeError& error) { told << formular::errorMessage(error); });
    window.setMessagePresenter([&told, notice](const QString& text) {
        switch (notice) {
            case Notice::Shown:
                told << text;
                break;
            case Notice::OutOfMemory:
                throw std::bad_alloc();
            case Notice::OtherFailure:
                throw std::length_error("notice");
        }
    });
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return "window not shown";
    }
    for (const QString& name : presses) {
        probe::press(window, name);
    }
    if (doubleClick) {
        // Through the window, so that Qt makes the double-click out of two
        // clicks as it does for the system's mouse.
        const QWidget* label = control(window, link);
        QTest::mouseDClick(window.windowHandle(), button, {},
                           label->mapTo(&window, label->rect().center()));
    }
    for (int i = 0; i < clicks; ++i) {
        QTest::mouseClick(control(window, link), button);
    }
    told << "in view: " + probe::panelInView(window);
    return told.join(QLatin1Char('\n')).toStdString();
}

}  // namespace

void LinksTest::click_data() {
    QTest::addColumn<Browser>("browser");
    QTest::addColumn<QStringList>("presses");
    QTest::addColumn<QString>("link");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<bool>("doubleClick");
    QTest::addColumn<QString>("told");
    QTest::addColumn<QString>("opened");  // empty: nothing may start
    QTest::addColumn<Notice>("notice");

    const auto row = [](const char* name, Browser browser, const QStringList& presses,
                        const char* link, const QString& told, const QString& opened,
                        Qt::MouseButton button = Qt::LeftButton, int clicks = 1,
                        bool doubleClick = false, Notice notice = Notice::Shown) {
        QTest::newRow(name) << browser << presses << QString::fromLatin1(link) << button << clicks
                            << doubleClick << told << opened << notice;
    };
    const QString newWater = QStringLiteral("in view: frm_Frischwasser");
    const QString about = QStringLiteral("in view: frm_ueber");
    const QStringList toAbout{"cmd_ueber"};
    using enum Browser;

    row("Label23, new water in view", Registered, {}, "Label23", newWater, publisherAddress);
    row("Label23, density change in view", Registered, {"cmd_changewater"}, "Label23",
        "in view: frm_changewater", publisherAddress);
    row("Label23, magnesium in view", Registered, {"Command3"}, "Label23", "in view: frm_magnesium",
        publisherAddress);
    row("Label23, calcium in view", Registered, {"Command4"}, "Label23", "in view: Frm_kalzium",
        publisherAddress);
    row("Label23, about in view", Registered, toAbout, "Label23", about, publisherAddress);
    row("Label3", Registered, toAbout, "Label3", about, publisherAddress);
    row("Label17", Registered, toAbout, "Label17", about, makerAddress);
    row("Label23, right button", Registered, {}, "Label23", newWater, {}, Qt::RightButton);

    row("no browser, Label23", None, {}, "Label23", noBrowser + '\n' + newWater, {});
    row("no browser, Label3", None, toAbout, "Label3", noBrowser + '\n' + about, {});
    row("no browser, Label17", None, toAbout, "Label17", noBrowser + '\n' + about, {});
    row("no browser, Label23 double-clicked", None, {}, "Label23", noBrowser + '\n' + newWater, {},
        Qt::LeftButton, 0, true);

    // The error ends the click, not the program: the next click is reported
    // the same way.
    row("browser cannot start, Label23 twice", CannotStart, {}, "Label23",
        fileNotFound + '\n' + fileNotFound + '\n' + newWater, {}, Qt::LeftButton, 2);
    // Nor does any other failure of a handler end the program.
    row("no browser, the notice runs out of memory, twice", None, {}, "Label23",
        outOfMemory + '\n' + outOfMemory + '\n' + newWater, {}, Qt::LeftButton, 2, false,
        Notice::OutOfMemory);
    row("no browser, the notice fails otherwise, twice", None, toAbout, "Label17",
        failedCall + '\n' + failedCall + '\n' + about, {}, Qt::LeftButton, 2, false,
        Notice::OtherFailure);
}

void LinksTest::click() {
    QFETCH(Browser, browser);
    QFETCH(QStringList, presses);
    QFETCH(QString, link);
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, clicks);
    QFETCH(bool, doubleClick);
    QFETCH(QString, told);
    QFETCH(QString, opened);
    QFETCH(Notice, notice);

    ScratchDesktop desktop;
    install(desktop, browser);
    const std::string seen = desktop.runInside(
        [&] { return clickInWindow(presses, link, button, clicks, doubleClick, notice); });
    QCOMPARE(QString::fromStdString(seen), told);

    const auto record = awaitRecord(desktop.recordOf("xdg-open"),
                                    opened.isEmpty() ? 500ms : testsupport::startPatience);
    if (opened.isEmpty()) {
        QVERIFY2(!record, record ? record->c_str() : "");
    } else {
        QVERIFY2(record, "xdg-open was not started");
        QCOMPARE(QString::fromStdString(*record), opened + '\n');
    }
}

// The window's own message box, seen once: modal, titled, OK alone, no icon.
void LinksTest::noBrowserMessageBox() {
    ScratchDesktop desktop;
    install(desktop, Browser::None);
    const std::string seen = desktop.runInside([] {
        Formular window;
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) {
            return std::string("window not shown");
        }
        QStringList box;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, &closer, [&box] {
            if (auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                box << shown->windowTitle() << shown->text() << QString::number(int(shown->icon()))
                    << QString::number(int(shown->standardButtons()))
                    << QString::number(int(shown->isModal()));
                shown->accept();
            }
        });
        closer.start(20);
        QTest::mouseClick(control(window, "Label23"), Qt::LeftButton);
        return box.join(QLatin1Char('|')).toStdString();
    });
    const QStringList expected{"Marelto", noBrowser, QString::number(int(QMessageBox::NoIcon)),
                               QString::number(int(QMessageBox::Ok)), "1"};
    QCOMPARE(QString::fromStdString(seen), expected.join(QLatin1Char('|')));
}

QTEST_MAIN(LinksTest)
#include "links_test.moc"
