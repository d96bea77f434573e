// The window at work: clicks and typed keys reach the calculator, the
// displays show what it says, and failed calculations are reported.

#include <QApplication>
#include <QTest>

#include "PanelDriver.h"

namespace {

const QString kPeakPrompt = "输入相对顶点价格：             ";
const QString kBottomPrompt = "输入相对底部价：             ";
const QString kSharesPrompt = "输入股票数量：             ";

constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment kCentre = Qt::AlignHCenter | Qt::AlignVCenter;

}  // namespace

class PanelBehaviourTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    void startUp() {
        PanelDriver ui;
        QCOMPARE(ui.mainBox()->text(), QString());
        QCOMPARE(ui.mainBox()->alignment(), kRight);
        QVERIFY(!ui.inputBox()->isVisible());
        QVERIFY(!ui.mainBox()->isEnabled());
        QVERIFY(!ui.inputBox()->isEnabled());
        QVERIFY(!ui.notice()->isVisible());
    }

    void clicks_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("mainText");
        QTest::addColumn<Qt::Alignment>("alignment");
        QTest::addColumn<bool>("inputShown");
        QTest::addColumn<QString>("inputText");

        // clang-format off
        QTest::newRow("rebound selected")        << "反弹" << kPeakPrompt << kRight << true << "";
        QTest::newRow("rebound peak typed")      << "反弹 2 0" << kPeakPrompt << kRight << true << "20";
        QTest::newRow("rebound asks for bottom") << "反弹 2 0 =" << kBottomPrompt << kRight << true << "";
        QTest::newRow("rebound result")
            << "反弹 2 0 = 1 0 =" << "标准反弹:13.75 中级反弹:15 " << kCentre << false << "10";
        QTest::newRow("pullback result")
            << "回调 2 0 = 1 0 =" << "标准回调:13.82 保守回调:15 " << kCentre << false << "10";
        QTest::newRow("sell-off result")
            << "出货 1 0 =" << "保守出货:13.75  标准出货:16.18" << kCentre << false << "10";
        QTest::newRow("cost result")
            << "成本 1 0 = 1 0 0 0 =" << "高抛成本:10.06 接回成本:9.94 " << kCentre << false << "1000";
        QTest::newRow("every digit and the point")
            << "1 2 3 4 5 6 7 8 9 0 . 5" << "1234567890.5" << kRight << false << "";
        QTest::newRow("sign change")             << "1 2 +/-" << "-12" << kRight << false << "";
        QTest::newRow("reset in a trading function") << "反弹 2 清除" << "" << kRight << false << "";
        // clang-format on
    }

    void clicks() {
        QFETCH(QString, script);
        QFETCH(QString, mainText);
        QFETCH(Qt::Alignment, alignment);
        QFETCH(bool, inputShown);
        QFETCH(QString, inputText);

        PanelDriver ui;
        ui.click(script);
        QCOMPARE(ui.mainBox()->text(), mainText);
        QCOMPARE(ui.mainBox()->alignment(), alignment);
        QCOMPARE(ui.inputBox()->isVisible(), inputShown);
        QCOMPARE(ui.inputBox()->text(), inputText);
    }

    void typingMatchesClicking_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("mainText");

        // clang-format off
        QTest::newRow("12+3")          << "12+3"     << "1 2 + 3"         << " 12+3";
        QTest::newRow("12+3=")         << "12+3="    << "1 2 + 3 ="       << "15";
        QTest::newRow("all operators") << "9-4*6/5=" << "9 - 4 * 6 / 5 =" << "1.2";
        QTest::newRow("point")         << "1.5*2="   << "1 . 5 * 2 ="     << "3";
        QTest::newRow("digits after a result") << "2+3=7=" << "2 + 3 = 7 =" << "12";
        // clang-format on
    }

    void typingMatchesClicking() {
        QFETCH(QString, keys);
        QFETCH(QString, clicks);
        QFETCH(QString, mainText);

        PanelDriver typed;
        typed.type(keys);
        PanelDriver clicked;
        clicked.click(clicks);
        QCOMPARE(typed.mainBox()->text(), mainText);
        QCOMPARE(clicked.mainBox()->text(), mainText);
        QCOMPARE(describe(typed.panel().state()), describe(clicked.panel().state()));
    }

    void typedPricesGoToTheTradingFunction() {
        PanelDriver ui;
        ui.click("反弹");
        ui.type("20=10=");
        QCOMPARE(ui.mainBox()->text(), QString("标准反弹:13.75 中级反弹:15 "));
    }

    void ignoredKeys_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");

        QTest::newRow("a") << Qt::Key_A << Qt::KeyboardModifiers();
        QTest::newRow("Z") << Qt::Key_Z << Qt::KeyboardModifiers(Qt::ShiftModifier);
        QTest::newRow("Backspace") << Qt::Key_Backspace << Qt::KeyboardModifiers();
        QTest::newRow("Delete") << Qt::Key_Delete << Qt::KeyboardModifiers();
    }

    void ignoredKeys() {
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);

        PanelDriver ui;
        ui.click("1 2 + 3");
        const QString before = describe(ui.panel().state());
        ui.press(key, modifiers);
        QCOMPARE(ui.mainBox()->text(), QString(" 12+3"));
        QCOMPARE(describe(ui.panel().state()), before);
    }

    void escapeResetsTradingFunction() {
        PanelDriver ui;
        ui.click("成本");
        ui.type("12=");
        ui.press(Qt::Key_Escape);
        QCOMPARE(ui.mainBox()->text(), QString());
        QCOMPARE(ui.mainBox()->alignment(), kRight);
        QVERIFY(!ui.inputBox()->isVisible());
        QCOMPARE(ui.inputBox()->text(), QString());
        QCOMPARE(int(ui.panel().state().opCode), 0);
        QCOMPARE(int(ui.panel().state().functionMode), 0);
        QCOMPARE(ui.panel().focusWidget(), ui.button("等于"));
    }

    void keysPressFocusedEquals_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");

        QTest::newRow("Return") << Qt::Key_Return << Qt::KeyboardModifiers();
        QTest::newRow("keypad Enter") << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier);
        QTest::newRow("Space") << Qt::Key_Space << Qt::KeyboardModifiers();
    }

    void keysPressFocusedEquals() {
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);

        PanelDriver ui;
        ui.type("12+3");
        ui.press(key, modifiers);
        // Once: a second equals would show 18.
        QCOMPARE(ui.mainBox()->text(), QString("15"));
    }

    void failures_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QString>("mainText");
        QTest::addColumn<QString>("nextKeys");
        QTest::addColumn<QString>("mainTextAfter");

        const QString tooLarge = "4" + QString(" 0").repeated(38);
        const QString lastShown = "4" + QString(37, u'0');
        const QString escape(QChar(27));
        // clang-format off
        QTest::newRow("division by zero")     << "5 / 0 =" << "除数为零" << " 5/0" << "1" << " 5/01";
        QTest::newRow("zero divided by zero") << "/ =" << "溢出" << " 0/" << "2=" << "0";
        QTest::newRow("cost without shares")
            << "成本 1 0 = =" << "类型不匹配" << kSharesPrompt << "100=" << "高抛成本:10.14 接回成本:9.86 ";
        QTest::newRow("mantissa too large")
            << tooLarge << "浮点运算错误" << lastShown << escape + "1" << "1";
        // clang-format on
    }

    void failures() {
        QFETCH(QString, script);
        QFETCH(QString, notice);
        QFETCH(QString, mainText);
        QFETCH(QString, nextKeys);
        QFETCH(QString, mainTextAfter);

        PanelDriver ui;
        ui.click(script);
        QVERIFY(ui.notice()->isVisible());
        QCOMPARE(ui.notice()->text(), notice);
        QCOMPARE(ui.mainBox()->text(), mainText);
        QVERIFY(ui.notice()->geometry().top() >= ui.mainBox()->geometry().bottom());
        QVERIFY(ui.panel().rect().contains(ui.notice()->geometry()));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);

        // The next key takes the notice away and works as usual.
        ui.type(nextKeys);
        QVERIFY(!ui.notice()->isVisible());
        QCOMPARE(ui.mainBox()->text(), mainTextAfter);
    }

    void clickTakesNoticeAway() {
        PanelDriver ui;
        ui.click("5 / 0 =");
        QVERIFY(ui.notice()->isVisible());
        ui.click("3");
        QVERIFY(!ui.notice()->isVisible());
        QCOMPARE(ui.mainBox()->text(), QString(" 5/03"));
    }
};

QTEST_MAIN(PanelBehaviourTest)
#include "PanelBehaviourTest.moc"
