// The window at work: clicks and typed keys reach the calculator, the
// displays show what it says, and failed calculations are reported.

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QThread>
#include <QTimer>

#include "ControlTable.h"
#include "PanelDriver.h"
#include "PasteGate.h"
#include "PriceText.h"
#include "UserTexts.h"

namespace {

const QString kPeakPrompt = QString::fromStdString(texts::kPeakPrompt);
const QString kBottomPrompt = QString::fromStdString(texts::kBottomPrompt);
const QString kSharesPrompt = QString::fromStdString(texts::kShareCountPrompt);
const QString kConcentrationPrompt = QString::fromStdString(texts::kConcentrationPrompt);

constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment kCentre = Qt::AlignHCenter | Qt::AlignVCenter;

// The columns of a box's picture that hold text: light pixels on the dark
// blue, away from the frame; in logical pixels, as scaled screens show them.
std::pair<int, int> inkColumns(QWidget& box) {
    const QImage picture = box.grab().toImage();
    int first = -1;
    int last = -1;
    for (int x = 3; x < picture.width() - 3; ++x) {
        for (int y = 3; y < picture.height() - 3; ++y) {
            if (picture.pixelColor(x, y).red() > 128) {
                const int column = static_cast<int>(x / picture.devicePixelRatio());
                first = first < 0 ? column : first;
                last = column;
                break;
            }
        }
    }
    return {first, last};
}

// What the notice covers, or why it is hard to read; empty if nothing. It
// lies in the band along the window's foot, clear of every control, in type
// no smaller than the operators' 9-point captions.
QString noticeMisplaced(PanelDriver& ui) {
    const QRect place = ui.notice()->geometry();
    if (!zorvane::ui::noticeBand().contains(place)) {
        return QStringLiteral("beside the band");
    }
    if (ui.notice()->font().pointSizeF() < 9) {
        return QString::number(ui.notice()->font().pointSizeF()) + " points";
    }
    for (const QWidget* control : ui.panel().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control != ui.notice() && control->isVisible() &&
            control->geometry().intersects(place)) {
            return "over " + control->objectName();
        }
    }
    return {};
}

// How a box shows its text: "whole" on one line, on "two lines" (a
// result's two prices) or "cut", with "…" where characters are left out.
QString shownForm(const zorvane::ui::DisplayBox& box) {
    const QStringList lines = box.shownLines();
    const QString visible = zorvane::ui::withoutTrailingBlanks(box.calculatorText());
    const double room = box.width() - 6;
    if (lines == QStringList(box.calculatorText()) &&
        QFontMetricsF(box.font()).horizontalAdvance(visible) <= room) {
        return "whole";
    }
    if (lines.size() == 2 && lines == visible.split(u' ', Qt::SkipEmptyParts)) {
        return "two lines";
    }
    const QStringList ends =
        lines.size() == 1 ? lines[0].split(QStringLiteral("…")) : QStringList();
    if (ends.size() == 2 && !ends[0].isEmpty() && visible.startsWith(ends[0]) &&
        visible.endsWith(ends[1])) {
        return "cut";
    }
    return "shows " + lines.join(u'|');
}

void pressPaste(QWindow* window) {
    QTest::keySequence(window, QKeySequence(Qt::CTRL | Qt::Key_V));
}

// The clipboard of a program that answers the first read only after a long
// wait, as a hung one does when the platform gives up. Meanwhile the user
// presses the paste keys again: once handed over at once, as a platform with
// a modal loop would, and twice queued, as X11 hands them over after it.
class HungClipboard final : public QMimeData {
public:
    explicit HungClipboard(QWindow* window) : window_(window) {}
    mutable int reads = 0;

protected:
    QVariant retrieveData(const QString& /*mimeType*/, QMetaType /*type*/) const override {
        if (++reads == 1) {
            QThread::msleep(zorvane::ui::PasteGate::kLongWaitMs + 100);
            pressPaste(window_);
            QTimer::singleShot(0, window_, [this] { pressPaste(window_); });
            QTimer::singleShot(0, window_, [this] { pressPaste(window_); });
        }
        return QStringLiteral("5");
    }

private:
    QWindow* window_;
};

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
        // Return presses "=", which has nothing to do yet.
        QCOMPARE(ui.panel().focusWidget(), ui.button("等于"));
        ui.press(Qt::Key_Return);
        QCOMPARE(ui.mainBox()->text(), QString());
    }

    void clicks_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("mainText");
        QTest::addColumn<Qt::Alignment>("alignment");
        QTest::addColumn<bool>("inputShown");
        QTest::addColumn<QString>("inputText");

        const QString fifteenDigits = "9 8 7 6 5 4 3 2 1 0 9 8 7 6 5";
        // clang-format off
        QTest::newRow("rebound selected")        << "反弹" << kPeakPrompt << kRight << true << "";
        QTest::newRow("rebound peak typed")      << "反弹 2 0" << kPeakPrompt << kRight << true << "20";
        QTest::newRow("price as typed")          << "反弹 1 2 . 3 0" << kPeakPrompt << kRight << true << "12.30";
        QTest::newRow("rebound asks for bottom") << "反弹 2 0 =" << kBottomPrompt << kRight << true << "";
        QTest::newRow("rebound result")
            << "反弹 2 0 = 1 0 =" << "标准反弹:13.75 中级反弹:15 " << kCentre << false << "10";
        QTest::newRow("pullback result")
            << "回调 2 0 = 1 0 =" << "标准回调:13.82 保守回调:15 " << kCentre << false << "10";
        QTest::newRow("sell-off result")
            << "出货 1 0 =" << "保守出货:13.75  标准出货:16.18" << kCentre << false << "10";
        QTest::newRow("cost result")
            << "成本 1 0 = 1 0 0 0 =" << "高抛成本:10.06 接回成本:9.94 " << kCentre << false << "1000";
        // The display shows every digit typed, as the calculator holds it.
        QTest::newRow("every digit and the point")
            << "1 2 3 4 5 6 7 8 9 0 . 5" << "1234567890.5" << kRight << false << "";
        QTest::newRow("sign change")             << "1 2 +/- 3" << "-123" << kRight << false << "";
        QTest::newRow("digit after a result")    << "2 + 3 = 7" << "7" << kRight << false << "";
        QTest::newRow("operator in a function")  << "反弹 + 1" << " 0+1" << kRight << false << "";
        QTest::newRow("sign of a price")         << "反弹 2 0 +/-" << kPeakPrompt << kRight << true << "-20";
        // A new round: its first prompt again, still centred.
        QTest::newRow("price after a result")    << "反弹 2 0 = 1 0 = 3" << kPeakPrompt << kCentre << true << "3";
        QTest::newRow("sell-off after a result")
            << "出货 1 7 5 0 . 5 5 = 1 2" << kConcentrationPrompt << kCentre << true << "12";
        QTest::newRow("operator on a price")     << "出货 1 0 - 3" << " 10-3" << kRight << false << "10";
        QTest::newRow("operator on a price, =")  << "反弹 1 2 . 5 * 2 =" << "25" << kRight << false << "12.5";
        QTest::newRow("reset in a trading function") << "反弹 2 清除" << "" << kRight << false << "";
        QTest::newRow("sell-off of a 15-digit price")
            << "出货 " + fifteenDigits + " +/- ="
            << "保守出货:-1.3580246915108E+15  标准出货:-1.5980246915378E+15" << kCentre << false << "-987654321098765";
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
        QVERIFY(typed.panel().state() == clicked.panel().state());
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
        const zorvane::CalculatorState before = ui.panel().state();
        ui.press(key, modifiers);
        QCOMPARE(ui.mainBox()->text(), QString(" 12+3"));
        QVERIFY(ui.panel().state() == before);
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
        QCOMPARE(ui.panel().focusWidget(), ui.button("等于"));
        // Nothing is pending: digits go to the main display, equals keeps them.
        ui.type("7=");
        QCOMPARE(ui.mainBox()->text(), QString("7"));
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

    void keysWithModifiers_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("mainText");

        const auto shift = Qt::KeyboardModifiers(Qt::ShiftModifier);
        const auto ctrl = Qt::KeyboardModifiers(Qt::ControlModifier);
        // clang-format off
        QTest::newRow("Shift+= types +")    << Qt::Key_Plus << shift << "+" << " 12+";
        QTest::newRow("Shift+8 types *")    << Qt::Key_Asterisk << shift << "*" << " 12*";
        QTest::newRow("Shift+3 types 3")    << Qt::Key_3 << shift << "3" << "123";
        QTest::newRow("Shift+keypad -")     << Qt::Key_Minus << (shift | Qt::KeypadModifier) << "-" << " 12-";
        QTest::newRow("keypad 5 no text")   << Qt::Key_5 << Qt::KeyboardModifiers(Qt::KeypadModifier) << "" << "125";
        QTest::newRow("AltGr as Ctrl+Alt")  << Qt::Key_Slash << (ctrl | Qt::AltModifier) << "/" << " 12/";
        QTest::newRow("Ctrl+1, text 1")     << Qt::Key_1 << ctrl << "1" << "12";
        QTest::newRow("Ctrl+1, control text") << Qt::Key_1 << ctrl << "\x11" << "12";
        QTest::newRow("Alt+3")              << Qt::Key_3 << Qt::KeyboardModifiers(Qt::AltModifier) << "3" << "12";
        QTest::newRow("Shift alone")        << Qt::Key_Shift << shift << "" << "12";
        // The keypad's decimal key types "," on German layouts.
        QTest::newRow("German keypad point") << Qt::Key_Comma << Qt::KeyboardModifiers(Qt::KeypadModifier) << "," << "12.";
        QTest::newRow("main keyboard comma") << Qt::Key_Comma << Qt::KeyboardModifiers() << "," << "12";
        // X11 gives Ctrl+Alt+3 the character of Esc.
        QTest::newRow("Ctrl+Alt+3 as Esc")   << Qt::Key_3 << (ctrl | Qt::AltModifier) << "\x1b" << "12";
        // clang-format on
    }

    void keysWithModifiers() {
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, text);
        QFETCH(QString, mainText);

        PanelDriver ui;
        ui.type("12");
        ui.keyEvent(true, key, text, modifiers);
        ui.keyEvent(false, key, text, modifiers);
        QCOMPARE(ui.mainBox()->text(), mainText);
    }

    void overlappingAndRepeatedKeys() {
        PanelDriver ui;
        ui.typeRolledOver("1250");
        QCOMPARE(ui.mainBox()->text(), QString("1250"));

        // Each auto-repeat of a held key types once more.
        ui.keyEvent(true, Qt::Key_7, "7");
        ui.keyEvent(true, Qt::Key_7, "7", Qt::NoModifier, true);
        ui.keyEvent(true, Qt::Key_7, "7", Qt::NoModifier, true);
        ui.keyEvent(false, Qt::Key_7, "7");
        QCOMPARE(ui.mainBox()->text(), QString("1250777"));

        ui.click("反弹");
        ui.typeRolledOver("1250");
        QCOMPARE(ui.inputBox()->text(), QString("1250"));
    }

    void modifierAloneLeavesNotice() {
        PanelDriver ui;
        ui.click("5 / 0 =");
        ui.keyEvent(true, Qt::Key_Shift, "", Qt::ShiftModifier);
        QVERIFY(ui.notice()->isVisible());
    }

    void enterPressesFocusedButton_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QString>("mainText");

        QTest::newRow("Return on 7") << "按键7" << Qt::Key_Return << " 12+7";
        QTest::newRow("Enter on *") << "运算乘" << Qt::Key_Enter << " 12*";
        QTest::newRow("Return on reset") << "清除" << Qt::Key_Return << "";
    }

    void enterPressesFocusedButton() {
        QFETCH(QString, button);
        QFETCH(Qt::Key, key);
        QFETCH(QString, mainText);

        PanelDriver ui;
        ui.type("12+");
        ui.button(button)->setFocus(Qt::TabFocusReason);
        ui.press(key);
        QCOMPARE(ui.mainBox()->text(), mainText);
    }

    void focusFrameAfterProgramMovesFocus() {
        PanelDriver ui;
        // A mouse click, then the calculator itself puts the focus on "=".
        ui.click("1");
        QAbstractButton* equals = ui.button("等于");
        QCOMPARE(ui.panel().focusWidget(), equals);
        const QImage focused = equals->grab().toImage();
        ui.button("按键1")->setFocus(Qt::MouseFocusReason);
        QVERIFY(focused != equals->grab().toImage());
        // Reset puts it back, frame and all.
        ui.click("清除");
        QCOMPARE(ui.panel().focusWidget(), equals);
        QCOMPARE(equals->grab().toImage(), focused);
    }

    void longTextsShownWholeOrMarked_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("box");
        QTest::addColumn<double>("smallest");
        QTest::addColumn<double>("largest");
        QTest::addColumn<QString>("form");  // empty where it depends on the face

        // The sizes hold for every face the package may bring, and none.
        const QString huge = "9 8 7 6 5 4 3 2 1 0 9 8 7 6 5 +/-";
        auto keys = [](const QString& typed) {
            return typed.split(QString()).join(u' ').trimmed();
        };
        const QString main = "显示";
        const QString input = "显示2";
        // clang-format off
        QTest::newRow("sell-off prompt")          << "出货" << main << 13.5 << 15.0 << "whole";
        QTest::newRow("peak prompt")              << "反弹" << main << 15.0 << 15.0 << "whole";
        QTest::newRow("bottom prompt")            << "回调 2 0 =" << main << 15.0 << 15.0 << "whole";
        QTest::newRow("share count prompt")       << "成本 1 0 =" << main << 15.0 << 15.0 << "whole";
        QTest::newRow("bottom prompt, centred")   << "反弹 2 0 = 1 0 = =" << main << 15.0 << 15.0 << "whole";
        QTest::newRow("share count prompt, centred") << "成本 1 0 = 1 0 0 = =" << main << 15.0 << 15.0 << "whole";
        QTest::newRow("short rebound result")     << "反弹 2 0 = 1 0 =" << main << 15.0 << 15.0 << "whole";
        QTest::newRow("rebound at 168.35")        << "反弹 1 6 8 . 3 5 = 1 5 0 =" << main << 15.0 << 15.0 << "whole";
        QTest::newRow("sell-off at 85.5")         << "出货 8 5 . 5 =" << main << 13.0 << 15.0 << "whole";
        QTest::newRow("cost of a 1600-yuan share") << "成本 1 6 0 0 = 1 0 0 =" << main << 13.0 << 15.0 << "whole";
        QTest::newRow("rebound at 1600.55")       << "反弹 1 6 0 0 . 5 5 = 1 5 0 0 . 2 5 =" << main << 13.0 << 15.0 << "whole";
        QTest::newRow("twelve-digit prices")
            << "反弹 " + keys("999999999999=1.11111111111=") << main << 9.0 << 12.5 << "";
        // Two lines rather than type too small to read or a lost exponent.
        QTest::newRow("sell-off of a 15-digit price") << "出货 " + huge + " =" << main << 9.0 << 14.0 << "two lines";
        QTest::newRow("cost of 0.00000000000001 shares")
            << "成本 1 0 = " + keys(".00000000000001=") << main << 9.0 << 14.0 << "two lines";
        QTest::newRow("prompt after a shrunk result") << "出货 8 5 . 5 = 清除 反弹" << main << 15.0 << 15.0 << "whole";
        // A typed number shows its start as well as its last digit.
        QTest::newRow("two 15-digit operands") << keys("123456789012345+123456789012345") << main << 9.0 << 15.0 << "whole";
        QTest::newRow("60 zeros after the point") << keys("." + QString(60, u'0') + "1") << main << 9.0 << 9.0 << "cut";
        QTest::newRow("15-digit price")           << "反弹 " + keys("123456789012345") << input << 9.0 << 13.0 << "whole";
        QTest::newRow("price of 19 decimals, negative")     << "反弹 " + keys(".000000000000001234") + " +/-" << input << 9.0 << 10.0 << "";
        QTest::newRow("price of 40 zeros")        << "反弹 " + keys("." + QString(40, u'0') + "1") << input << 9.0 << 9.0 << "cut";
        // clang-format on
    }

    void longTextsShownWholeOrMarked() {
        QFETCH(QString, script);
        QFETCH(QString, box);
        QFETCH(double, smallest);
        QFETCH(double, largest);
        QFETCH(QString, form);

        PanelDriver ui;
        ui.click(script);
        auto& shown = *qobject_cast<zorvane::ui::DisplayBox*>(ui.control(box));
        const double size = shown.font().pointSizeF();
        QVERIFY2(size >= smallest && size <= largest, qPrintable(QString::number(size)));
        const QString seen = shownForm(shown);
        QVERIFY2(QStringList({"whole", "two lines", "cut"}).contains(seen), qPrintable(seen));
        QVERIFY2(form.isEmpty() || seen == form, qPrintable(seen));
        // The text starts at its first character, and its last ink (before
        // the trailing blanks) stands inside the box; a prompt's left of the
        // input box, shown or not.
        const auto [first, last] = inkColumns(shown);
        const bool prompt = shown.text().endsWith(QString(13, u' '));
        const int end = prompt ? ui.inputBox()->x() - shown.x() : shown.width() - 5;
        QVERIFY2(first >= 3 && first <= shown.width() / 2, qPrintable(QString::number(first)));
        QVERIFY2(last < end, qPrintable(QString::number(last)));
    }

    void mainDisplayHoldsLongRuns() {
        // "." and 32767 zeros: every one is kept, the next digit overflows.
        PanelDriver ui;
        const QString zeros = "0." + QString(32767, u'0');
        ui.type(zeros.mid(1));
        QCOMPARE(ui.mainBox()->calculatorText(), zeros);
        QVERIFY(!ui.notice()->isVisible());
        ui.type("0");
        QCOMPARE(ui.notice()->text(), QString("小数位数太多"));
        QCOMPARE(ui.mainBox()->calculatorText(), zeros);
        // Copy takes the whole text.
        QTest::keySequence(ui.window(), QKeySequence(Qt::CTRL | Qt::Key_C));
        QCOMPARE(QApplication::clipboard()->text(), zeros);
    }

    void boxesAreReadOnlyForAssistiveTechnology() {
        PanelDriver ui;
        ui.click("反弹 2 0");
        for (QWidget* box :
             {static_cast<QWidget*>(ui.mainBox()), static_cast<QWidget*>(ui.inputBox())}) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
            QVERIFY(accessible->state().readOnly);
            accessible->setText(QAccessible::Value, "999");
            if (QAccessibleEditableTextInterface* editable = accessible->editableTextInterface()) {
                editable->insertText(0, "9");
                editable->replaceText(0, 1, "9");
            }
        }
        QCOMPARE(ui.mainBox()->text(), kPeakPrompt);
        QCOMPARE(ui.inputBox()->text(), QString("20"));
        // The price taken is the 20 typed, not what was written into the boxes.
        ui.click("= 1 0 =");
        QCOMPARE(ui.mainBox()->text(), QString("标准反弹:13.75 中级反弹:15 "));
    }

    void copy_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("copied");

        const QKeySequence ctrlC(Qt::CTRL | Qt::Key_C);
        const QKeySequence ctrlInsert(Qt::CTRL | Qt::Key_Insert);
        QTest::newRow("result, Ctrl+C")
            << "反弹 2 0 = 1 0 =" << ctrlC << "标准反弹:13.75 中级反弹:15";
        // Without the blanks at either end: the sign position's included.
        QTest::newRow("number, Ctrl+Insert") << "1 2 + 3" << ctrlInsert << "12+3";
        QTest::newRow("sign changed twice") << "1 2 . 5 +/- +/-" << ctrlC << "12.5";
        QTest::newRow("typed price, Ctrl+C") << "成本 1 2 . 5 0" << ctrlC << "12.50";
        QTest::newRow("typed price, Ctrl+Insert") << "反弹 2 0 = 9" << ctrlInsert << "9";
        // Nothing shown: the clipboard keeps what another program put there.
        QTest::newRow("empty display, Ctrl+C") << "1 2 清除" << ctrlC << "旧内容";
        QTest::newRow("empty display, Ctrl+Insert") << "清除" << ctrlInsert << "旧内容";
        QTest::newRow("empty input box, Ctrl+C") << "成本" << ctrlC << "旧内容";
        QTest::newRow("empty input box, Ctrl+Insert") << "反弹 2 0 =" << ctrlInsert << "旧内容";
    }

    void copy() {
        QFETCH(QString, script);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, copied);

        PanelDriver ui;
        ui.click(script);
        const zorvane::CalculatorState before = ui.panel().state();
        QApplication::clipboard()->setText("旧内容");
        QTest::keySequence(ui.window(), keys);
        QCOMPARE(QApplication::clipboard()->text(), copied);
        QVERIFY(ui.panel().state() == before);
    }

    void copyFromTheMenu() {
        PanelDriver ui;
        ui.click("出货 1 0 =");
        QApplication::clipboard()->clear();
        // Through the window, as the platform delivers a right click.
        QTest::mouseClick(ui.window(), Qt::RightButton, {},
                          ui.mainBox()->geometry().topLeft() + QPoint(40, 20));
        auto* menu = ui.panel().findChild<QMenu*>();
        QVERIFY(menu != nullptr && menu->isVisible());
        QCOMPARE(menu->actions().size(), 1);
        QCOMPARE(menu->actions().front()->text(), QString("复制"));
        menu->actions().front()->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QString("保守出货:13.75  标准出货:16.18"));
    }

    void paste_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("mainText");
        QTest::addColumn<QString>("inputText");
        QTest::addColumn<QString>("notice");

        const QString longest = "." + QString(39, u'0');
        // clang-format off
        QTest::newRow("price")             << "" << "12.5" << "12.5" << "" << "";
        QTest::newRow("blanks around")     << "1 +" << " \t7.25\n" << " 1+7.25" << "" << "";
        QTest::newRow("into a function")   << "反弹" << "168.35" << kPeakPrompt << "168.35" << "";
        QTest::newRow("40 characters")     << "" << longest << "0" + longest << "" << "";
        // The pasted price replaces the number being typed.
        QTest::newRow("over a price")      << "反弹 1 0" << "12.5" << kPeakPrompt << "12.5" << "";
        QTest::newRow("over a point")      << "反弹 1 0 ." << "12.5" << kPeakPrompt << "12.5" << "";
        QTest::newRow("over an operand")   << "1 + 3" << "7.25" << " 1+7.25" << "" << "";
        QTest::newRow("over a number")     << "1 2 +/-" << "5" << "5" << "" << "";
        const QString notAPrice = "只能粘贴数字和一个小数点";
        const QString noNumber = "剪贴板里没有数字";
        QTest::newRow("41 characters")     << "" << longest + "0" << "" << "" << "粘贴的数字太长";
        QTest::newRow("two points")        << "" << "1.2.3" << "" << "" << notAPrice;
        QTest::newRow("sign")              << "" << "-5" << "" << "" << notAPrice;
        QTest::newRow("thousands")         << "" << "1,250.00" << "" << "" << notAPrice;
        QTest::newRow("words")             << "" << "12.5元" << "" << "" << notAPrice;
        QTest::newRow("full-width digits") << "" << "１２.５" << "" << "" << notAPrice;
        QTest::newRow("point alone")       << "" << "." << "" << "" << noNumber;
        QTest::newRow("blanks")            << "" << " \t " << "" << "" << noNumber;
        QTest::newRow("empty")             << "" << "" << "" << "" << noNumber;
        // All or nothing: the 16th nine is one digit too many.
        const QString fifteenDigits = "最多只能输入 15 位数字";
        QTest::newRow("too long")          << "1 +" << QString(16, u'9') << " 1+" << "" << fifteenDigits;
        QTest::newRow("too long in a function")
            << "反弹 5" << QString(16, u'9') << kPeakPrompt << "5" << fifteenDigits;
        QTest::newRow("15 digits")         << "" << "12345678901234.5" << "12345678901234.5" << "" << "";
        // clang-format on
    }

    void paste() {
        QFETCH(QString, script);
        QFETCH(QString, clipboard);
        QFETCH(QString, mainText);
        QFETCH(QString, inputText);
        QFETCH(QString, notice);

        PanelDriver ui;
        ui.click(script);
        QApplication::clipboard()->setText(clipboard);
        QTest::keySequence(ui.window(), QKeySequence(Qt::CTRL | Qt::Key_V));
        QCOMPARE(ui.mainBox()->text(), mainText);
        QCOMPARE(ui.inputBox()->text(), inputText);
        QCOMPARE(ui.notice()->isVisible(), !notice.isEmpty());
        if (!notice.isEmpty()) {
            QCOMPARE(ui.notice()->text(), notice);
            QCOMPARE(noticeMisplaced(ui), QString());
        }
    }

    void pastesQueuedDuringAWaitAreDropped() {
        PanelDriver ui;
        auto* clipboard = new HungClipboard(ui.window());
        QApplication::clipboard()->setMimeData(clipboard);
        pressPaste(ui.window());
        QTest::qWait(50);
        QCOMPARE(ui.mainBox()->text(), QString("5"));
        // A press once the window is seen awake pastes again.
        QTest::qWait(zorvane::ui::PasteGate::kQueuedPressesMs);
        ui.type("+");
        pressPaste(ui.window());
        QCOMPARE(ui.mainBox()->text(), QString(" 5+5"));
        QCOMPARE(clipboard->reads, 2);
    }

    void pasteIsTypedKeyByKey() {
        PanelDriver typed;
        typed.type("2*3.5");
        PanelDriver pasted;
        pasted.type("2*");
        QApplication::clipboard()->setText("3.5");
        QTest::keySequence(pasted.window(), QKeySequence(Qt::SHIFT | Qt::Key_Insert));
        QVERIFY(pasted.panel().state() == typed.panel().state());
        QCOMPARE(pasted.mainBox()->text(), QString(" 2*3.5"));
    }

    void closeKeys_data() {
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("Ctrl+Q") << QKeySequence(Qt::CTRL | Qt::Key_Q);
        QTest::newRow("Ctrl+W") << QKeySequence(Qt::CTRL | Qt::Key_W);
    }

    void closeKeys() {
        QFETCH(QKeySequence, keys);
        PanelDriver ui;
        ui.type("7");
        QTest::keySequence(ui.window(), keys);
        QVERIFY(!ui.panel().isVisible());
        QCOMPARE(ui.mainBox()->text(), QString("7"));
    }

    void failures_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QString>("mainText");
        QTest::addColumn<QString>("nextKeys");
        QTest::addColumn<QString>("mainTextAfter");

        const QString sixteenDigits = "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6";
        const QString escape(QChar(27));
        // clang-format off
        const QString costResult = "高抛成本:10.14 接回成本:9.86 ";
        QTest::newRow("division by zero")     << "5 / 0 =" << "除数不能为 0" << " 5/0" << "2=" << "2.5";
        QTest::newRow("zero divided by zero") << "/ =" << "0 除以 0 没有结果" << " 0/" << "2=" << "0";
        QTest::newRow("cost without shares")
            << "成本 1 0 = =" << "请先输入股票数量" << kSharesPrompt << "100=" << costResult;
        QTest::newRow("cost with 0 shares")
            << "成本 1 0 = 0 =" << "股票数量不能为 0" << kSharesPrompt << "100=" << costResult;
        QTest::newRow("result too large")
            << "9" + QString(" 9").repeated(14) + " * = =" << "结果太大，超出范围" << "9.99999999999998E+29" << escape + "1" << "1";
        QTest::newRow("16th digit")
            << sixteenDigits << "最多只能输入 15 位数字" << "123456789012345" << "+" << " 123456789012345+";
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
        // It hides no text.
        QCOMPARE(noticeMisplaced(ui), QString());
        // Screen readers read it out when it appears, as a notification.
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(ui.notice());
        QCOMPARE(accessible->role(), QAccessible::Notification);
        QCOMPARE(accessible->text(QAccessible::Name), notice);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);

        // The next key takes the notice away and works as usual.
        ui.type(nextKeys);
        QVERIFY(!ui.notice()->isVisible());
        QCOMPARE(ui.mainBox()->text(), mainTextAfter);
    }

    void announcements_data() {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("announced");
        // clang-format off
        QTest::newRow("sum, clicked")      << "1 2 + 3 =" << "" << "15";
        QTest::newRow("sum, typed")        << "" << "12+3=" << "15";
        QTest::newRow("same result again") << "2 * 1 =" << "=" << "2";
        QTest::newRow("rebound result")    << "反弹 2 0 = 1 0 =" << "" << "标准反弹:13.75 中级反弹:15";
        QTest::newRow("next prompt")       << "成本 1 0" << "=" << "输入股票数量：";
        // clang-format on
    }

    // After "=", screen readers read the main display without the focus
    // moving: a notification appears with the display's text.
    void announcements() {
        QFETCH(QString, clicks);
        QFETCH(QString, keys);
        QFETCH(QString, announced);

        PanelDriver ui;
        auto* announcer = ui.panel().findChild<QWidget*>("朗读");
        QVERIFY(announcer != nullptr);
        QVERIFY(!announcer->isVisible());
        if (!clicks.isEmpty()) {
            ui.click(clicks);
        }
        ui.type(keys);
        QVERIFY(announcer->isVisible());
        QVERIFY(announcer->size().isEmpty());
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(announcer);
        QCOMPARE(accessible->role(), QAccessible::Notification);
        QCOMPARE(accessible->text(QAccessible::Name), announced);
        QCOMPARE(QApplication::focusWidget(), ui.button("="));
    }

    void noAnnouncementBeforeEquals() {
        PanelDriver ui;
        ui.click("1 2 +");
        ui.type("3");
        QVERIFY(!ui.panel().findChild<QWidget*>("朗读")->isVisible());
    }

    void selectedFunctionIsMarked_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("marked");
        QTest::addColumn<QString>("announced");
        // clang-format off
        QTest::newRow("selected")         << "反弹" << "反弹" << "已选择：反弹目标点预测";
        QTest::newRow("after its result") << "反弹 2 0 = 1 0 =" << "反弹" << "标准反弹:13.75 中级反弹:15";
        QTest::newRow("moved")            << "反弹 成本" << "成本" << "已选择：股票买卖成本";
        QTest::newRow("selected again")   << "出货 1 0 = 出货" << "出货" << "已选择：出货目标点预测";
        QTest::newRow("reset")            << "回调 清除" << "" << "已退出：回调目标点预测";
        QTest::newRow("operator")         << "出货 +" << "" << "已退出：出货目标点预测";
        // clang-format on
    }

    void selectedFunctionIsMarked() {
        QFETCH(QString, script);
        QFETCH(QString, marked);
        QFETCH(QString, announced);

        PanelDriver ui;
        ui.click(script);
        for (const QString name : {"反弹", "回调", "出货", "成本"}) {
            QAbstractButton* button = ui.button(name);
            QCOMPARE(button->isChecked(), name == marked);
            QCOMPARE(QAccessible::queryAccessibleInterface(button)->state().checked,
                     name == marked);
        }
        auto* announcer = ui.panel().findChild<QWidget*>("朗读");
        QCOMPARE(QAccessible::queryAccessibleInterface(announcer)->text(QAccessible::Name),
                 announced);
    }

    void accessibleActionsClick_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("mainText");
        QTest::addColumn<QString>("marked");
        // clang-format off
        QTest::newRow("rebound")            << "" << "反弹" << kPeakPrompt << "反弹";
        QTest::newRow("pullback")           << "1 2 +" << "回调" << kPeakPrompt << "回调";
        QTest::newRow("sell-off")           << "反弹 2 0" << "出货" << kConcentrationPrompt << "出货";
        QTest::newRow("cost")               << "" << "成本" << QString::fromStdString(texts::kSharePricePrompt) << "成本";
        QTest::newRow("rebound, selected")  << "反弹 2 0" << "反弹" << kPeakPrompt << "反弹";
        QTest::newRow("digit")              << "1 2 +" << "7" << " 12+7" << "";
        QTest::newRow("reset")              << "回调" << "清除" << "" << "";
        // clang-format on
    }

    // Every action a screen reader may take on a button runs its click.
    void accessibleActionsClick() {
        QFETCH(QString, script);
        QFETCH(QString, button);
        QFETCH(QString, mainText);
        QFETCH(QString, marked);

        PanelDriver probe;
        const QStringList actions = QAccessible::queryAccessibleInterface(probe.button(button))
                                        ->actionInterface()
                                        ->actionNames();
        QVERIFY(!actions.isEmpty());
        for (const QString& action : actions) {
            PanelDriver ui;
            ui.click(script);
            QAccessible::queryAccessibleInterface(ui.button(button))
                ->actionInterface()
                ->doAction(action);
            QCOMPARE(ui.mainBox()->text(), mainText);
            for (const QString name : {"反弹", "回调", "出货", "成本"}) {
                QAccessibleInterface* accessible =
                    QAccessible::queryAccessibleInterface(ui.button(name));
                QCOMPARE(accessible->state().checked, name == marked);
                QCOMPARE(ui.button(name)->isChecked(), name == marked);
            }
        }
    }

    // With Num Lock off the keypad's keys would move the focus: they do
    // nothing but say so. The main keyboard's arrows still move it.
    void keypadWithNumLockOff() {
        PanelDriver ui;
        ui.type("100+");
        for (const Qt::Key key : {Qt::Key_End, Qt::Key_Down, Qt::Key_Delete, Qt::Key_Clear}) {
            ui.keyEvent(true, key, "", Qt::KeypadModifier);
            ui.keyEvent(false, key, "", Qt::KeypadModifier);
        }
        QCOMPARE(ui.mainBox()->text(), QString(" 100+"));
        QCOMPARE(ui.notice()->text(), QString("请按 Num Lock 打开小键盘"));
        QVERIFY(ui.notice()->isVisible());
        QCOMPARE(noticeMisplaced(ui), QString());
        QCOMPARE(ui.panel().focusWidget(), ui.button("等于"));
        ui.press(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(ui.mainBox()->text(), QString("200"));
        ui.press(Qt::Key_Left);
        QVERIFY(ui.panel().focusWidget() != ui.button("等于"));
    }

    void clickTakesNoticeAway() {
        PanelDriver ui;
        ui.click("5 / 0 =");
        QVERIFY(ui.notice()->isVisible());
        ui.click("3");
        QVERIFY(!ui.notice()->isVisible());
        QCOMPARE(ui.mainBox()->text(), QString("3"));
    }
};

QTEST_MAIN(PanelBehaviourTest)
#include "PanelBehaviourTest.moc"
