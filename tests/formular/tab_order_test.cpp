// Tab walks the panel in view in its table's order, then the navigation
// row, and never wanders into panels the user cannot see; Return and Enter
// press the focused button, as on Windows.

#include "window_probe.hpp"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

using probe::control;

class TabOrderTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cycle_data();
    void cycle();
    void backTabReversesTheCycle();
    void keyOnFocusedControl_data();
    void keyOnFocusedControl();

private:
    QStringList walk(Qt::Key key, int steps);
    std::unique_ptr<Formular> window_;
};

void TabOrderTest::init() {
    window_ = std::make_unique<Formular>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

QStringList TabOrderTest::walk(Qt::Key key, int steps) {
    QStringList visited;
    for (int i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), key);
        visited.append(QApplication::focusWidget()->objectName());
    }
    return visited;
}

void TabOrderTest::cycle_data() {
    QTest::addColumn<QStringList>("presses");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QStringList>("order");

    const QStringList row{"cmd_ueber", "Command2", "Command3", "Command4"};
    QTest::newRow("new water") << QStringList{} << "txt_Temperatur"
                               << QStringList{"txt_Liter", "txt_Dichte", "cmd_Dichte",
                                              "cmd_changewater"} +
                                      row + QStringList{"txt_Temperatur"};
    QTest::newRow("density change")
        << QStringList{"cmd_changewater"} << "txt2_Liter"
        << QStringList{"txt_Dichtejetzt", "txt_Dichteneu", "Command1", "cmd_newater"} + row +
               QStringList{"txt2_Liter"};
    QTest::newRow("magnesium") << QStringList{"Command3"} << "magliter_becken"
                               << QStringList{"magnesium_becken", "magnesium_ziel", "Command5"} +
                                      row + QStringList{"magliter_becken"};
    QTest::newRow("calcium") << QStringList{"Command4"} << "txt_magnesiumbecken"
                             << QStringList{"txt_kalziumjetzt", "txt_pluskalzium", "Command6",
                                            "Checkmitmagnesium"} +
                                    row + QStringList{"txt_magnesiumbecken"};
    QTest::newRow("calcium with magnesium")
        << QStringList{"Command4", "Checkmitmagnesium"} << "txt_magnesiumbecken"
        << QStringList{"txt_kalziumjetzt",  "txt_pluskalzium",   "Command6",
                       "Checkmitmagnesium", "txt_plusmagnesium", "txt_plusistmagnesium"} +
               row + QStringList{"txt_magnesiumbecken"};
    QTest::newRow("about") << QStringList{"cmd_ueber"} << "Text2" << row + QStringList{"Text2"};
}

void TabOrderTest::cycle() {
    QFETCH(QStringList, presses);
    QFETCH(QString, start);
    QFETCH(QStringList, order);

    for (const QString& button : presses) {
        probe::press(*window_, button);
    }
    control(*window_, start)->setFocus(Qt::MouseFocusReason);
    QCOMPARE(walk(Qt::Key_Tab, int(order.size())), order);
}

void TabOrderTest::backTabReversesTheCycle() {
    QCOMPARE(walk(Qt::Key_Backtab, 4),
             (QStringList{"Command4", "Command3", "Command2", "cmd_ueber"}));
}

void TabOrderTest::keyOnFocusedControl_data() {
    QTest::addColumn<QStringList>("presses");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("inView");
    QTest::addColumn<QString>("written");  // the one result that may be written

    const auto row = [](const char* tag, const QStringList& presses, const char* focus, int key,
                        const char* inView, const char* written = "") {
        QTest::newRow(tag) << presses << QString::fromLatin1(focus) << key
                           << QString::fromLatin1(inView) << QString::fromLatin1(written);
    };
    const char* const newWater = "frm_Frischwasser";
    row("Return on Magnesium", {}, "Command3", Qt::Key_Return, "frm_magnesium");
    row("Enter on Über", {}, "cmd_ueber", Qt::Key_Enter, "frm_ueber");
    row("Return on Wasser ändern", {}, "cmd_changewater", Qt::Key_Return, "frm_changewater");
    row("Enter on Neues Wasser", {"cmd_changewater"}, "cmd_newater", Qt::Key_Enter, newWater);
    row("Return on Salz", {"Command4"}, "Command2", Qt::Key_Return, newWater);
    row("Return on Berechnen, magnesium", {"Command3"}, "Command5", Qt::Key_Return,
        "frm_magnesium", "txt_magerg");
    row("Enter on Berechnen, calcium", {"Command4"}, "Command6", Qt::Key_Enter, "Frm_kalzium",
        "ergebnis_kalzium");
    row("Return in a field", {"Command3"}, "magnesium_ziel", Qt::Key_Return, "frm_magnesium");
}

void TabOrderTest::keyOnFocusedControl() {
    QFETCH(QStringList, presses);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, inView);
    QFETCH(QString, written);

    QList<int> errors;
    window_->setErrorReporter(
        [&errors](const runtime::RuntimeError& error) { errors.append(error.number()); });
    for (const QString& button : presses) {
        probe::press(*window_, button);
    }
    QWidget* focused = control(*window_, focus);
    focused->setFocus(Qt::TabFocusReason);
    QTest::keyClick(focused, Qt::Key(key));

    QCOMPARE(probe::panelInView(*window_), inView);
    QCOMPARE(errors, QList<int>{});
    for (const char* result : {"txt_magerg", "ergebnis_kalzium"}) {
        QCOMPARE(control<QPlainTextEdit>(*window_, result)->toPlainText().isEmpty(),
                 written != QLatin1String(result));
    }
    for (const char* result : {"lbl_ergebnis", "lbl2_ergebnis"}) {
        QVERIFY(control<QLabel>(*window_, result)->text().isEmpty());
    }
}

QTEST_MAIN(TabOrderTest)
#include "tab_order_test.moc"
