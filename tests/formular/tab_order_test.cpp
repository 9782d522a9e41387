// Tab walks the panel in view in its table's order, then the navigation
// row, and never wanders into panels the user cannot see.

#include "window_probe.hpp"

#include <QApplication>
#include <QTest>

using probe::control;

class TabOrderTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cycle_data();
    void cycle();
    void backTabReversesTheCycle();

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

QTEST_MAIN(TabOrderTest)
#include "tab_order_test.moc"
