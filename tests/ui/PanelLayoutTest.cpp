// The window as the user sees it: its controls, their places, fonts and
// colours, the focus order and the icon.

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QStyle>
#include <QTest>
#include <cmath>

#include "PanelDriver.h"

namespace {

// The faces "宋体" may resolve to; all of them draw Simplified Chinese.
const QStringList kSongFaces = {"SimSun", "AR PL UMing CN", "AR PL SungtiL GB",
                                "Noto Serif CJK SC"};

// The 24 controls in tab order.
const QStringList kTabOrder = {
    "显示",   "按键0",  "按键1", "按键2", "按键3", "按键4",  "按键5",  "按键6",
    "按键7",  "按键8",  "按键9", "成本",  "按键",  "按键10", "运算加", "运算减",
    "运算乘", "运算除", "等于",  "清除",  "反弹",  "回调",   "出货",   "显示2",
};

// Relative luminance contrast of two colours, 1 to 21.
double contrast(const QColor& a, const QColor& b) {
    auto luminance = [](const QColor& c) {
        auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a) + 0.05;
    const double lb = luminance(b) + 0.05;
    return la > lb ? la / lb : lb / la;
}

// Records, application-wide, every child added to a top-level widget.
class ChildRecorder : public QObject {
public:
    ChildRecorder() { qApp->installEventFilter(this); }
    QList<QPointer<QObject>> added;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ChildAdded && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            added << static_cast<QChildEvent*>(event)->child();
        }
        return false;
    }
};

}  // namespace

class PanelLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    void window() {
        PanelDriver ui;
        QCOMPARE(ui.panel().objectName(), QString("面板"));
        QCOMPARE(ui.panel().windowTitle(), QString("Zorvane"));
        QCOMPARE(ui.panel().size(), QSize(344, 329));
        QCOMPARE(ui.panel().minimumSize(), QSize(344, 329));
        QCOMPARE(ui.panel().maximumSize(), QSize(344, 329));
        QCOMPARE(QApplication::style()->name(), QString("fusion"));
        const QImage picture = ui.panel().grab().toImage();
        QCOMPARE(picture.pixelColor(2, 2), QColor(128, 128, 255));
        QCOMPARE(picture.pixelColor(340, 325), QColor(128, 128, 255));
    }

    void controls_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<double>("pointSize");

        QTest::newRow("显示2") << "" << QRect(200, 18, 129, 37) << 15.75;
        QTest::newRow("出货") << "出货目标点预测" << QRect(32, 104, 129, 33) << 9.0;
        QTest::newRow("回调") << "回调目标点预测" << QRect(176, 64, 129, 33) << 9.0;
        QTest::newRow("反弹") << "反弹目标点预测" << QRect(32, 64, 129, 33) << 9.0;
        QTest::newRow("清除") << "复   位" << QRect(184, 152, 113, 33) << 12.0;
        QTest::newRow("等于") << "=" << QRect(184, 288, 105, 33) << 9.0;
        QTest::newRow("运算除") << "/" << QRect(240, 248, 49, 33) << 9.0;
        QTest::newRow("运算乘") << "*" << QRect(184, 248, 49, 33) << 9.0;
        QTest::newRow("运算减") << "-" << QRect(240, 200, 49, 33) << 9.0;
        QTest::newRow("运算加") << "+" << QRect(184, 200, 49, 33) << 9.0;
        QTest::newRow("按键10") << "+/-" << QRect(136, 288, 33, 33) << 9.0;
        QTest::newRow("按键") << "." << QRect(88, 288, 33, 33) << 9.0;
        QTest::newRow("成本") << "股票买卖成本" << QRect(176, 104, 129, 33) << 9.0;
        QTest::newRow("按键9") << "9" << QRect(136, 152, 33, 33) << 9.0;
        QTest::newRow("按键8") << "8" << QRect(88, 152, 33, 33) << 9.0;
        QTest::newRow("按键7") << "7" << QRect(40, 152, 33, 33) << 9.0;
        QTest::newRow("按键6") << "6" << QRect(136, 200, 33, 33) << 9.0;
        QTest::newRow("按键5") << "5" << QRect(88, 200, 33, 33) << 9.0;
        QTest::newRow("按键4") << "4" << QRect(40, 200, 33, 33) << 9.0;
        QTest::newRow("按键3") << "3" << QRect(136, 248, 33, 33) << 9.0;
        QTest::newRow("按键2") << "2" << QRect(88, 248, 33, 33) << 9.0;
        QTest::newRow("按键1") << "1" << QRect(40, 248, 33, 33) << 9.0;
        QTest::newRow("按键0") << "0" << QRect(40, 288, 33, 33) << 9.0;
        QTest::newRow("显示") << "" << QRect(8, 16, 321, 41) << 15.0;
    }

    void controls() {
        QFETCH(QString, caption);
        QFETCH(QRect, geometry);
        QFETCH(double, pointSize);
        const QString name = QString::fromUtf8(QTest::currentDataTag());

        PanelDriver ui;
        QWidget* control = ui.control(name);
        QVERIFY(control != nullptr);
        QCOMPARE(control->geometry(), geometry);
        QCOMPARE(control->font().family(), QString("宋体"));
        QCOMPARE(control->font().pointSizeF(), pointSize);
        QCOMPARE(control->font().weight(), QFont::Normal);

        // Buttons show their caption, and screen readers name them by it;
        // the text boxes by their own names.
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            QCOMPARE(button->text(), caption);
        } else {
            QVERIFY(qobject_cast<QLineEdit*>(control) != nullptr);
        }
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        QVERIFY(accessible != nullptr);
        QCOMPARE(accessible->text(QAccessible::Name), caption.isEmpty() ? name : caption);

        // The text is drawn by a real Song/Ming face holding every character
        // the control shows, Chinese or not, never by boxes.
        const QString shown =
            caption.isEmpty() ? "输入相对顶点价格：标准反弹:-0.123456789" : caption;
        QVERIFY2(kSongFaces.contains(QFontInfo(control->font()).family()),
                 qPrintable(QFontInfo(control->font()).family()));
        const QFontMetrics metrics(control->font());
        for (const char32_t ch : shown.toUcs4()) {
            QVERIFY2(metrics.inFontUcs4(ch), qPrintable(QString::number(ch, 16)));
        }
    }

    void creationOrder() {
        // Stacking changes the order of a widget's children, so the order of
        // creation is taken from the ChildAdded events as they happen.
        ChildRecorder recorder;
        PanelDriver ui;
        QStringList created;
        for (const QPointer<QObject>& child : recorder.added) {
            if (child != nullptr && child->parent() == &ui.panel() &&
                kTabOrder.contains(child->objectName())) {
                created << child->objectName();
            }
        }
        const QStringList expected = {
            "显示2",  "出货",   "回调",   "反弹",  "清除",  "等于",  "运算除", "运算乘",
            "运算减", "运算加", "按键10", "按键",  "成本",  "按键9", "按键8",  "按键7",
            "按键6",  "按键5",  "按键4",  "按键3", "按键2", "按键1", "按键0",  "显示",
        };
        QCOMPARE(created, expected);
    }

    void tabOrder() {
        PanelDriver ui;
        QStringList chain;
        QWidget* widget = ui.control("显示");
        do {
            if (kTabOrder.contains(widget->objectName())) {
                chain << widget->objectName();
            }
            widget = widget->nextInFocusChain();
        } while (widget != ui.control("显示"));
        QCOMPARE(chain, kTabOrder);

        // Tab walks the buttons and passes over the two boxes.
        ui.button("按键0")->setFocus();
        QStringList visited;
        for (int i = 0; i < 23; ++i) {
            ui.press(Qt::Key_Tab);
            visited << ui.panel().focusWidget()->objectName();
        }
        QStringList expected = kTabOrder.mid(2, 21);
        expected << "按键0"
                 << "按键1";
        QCOMPARE(visited, expected);
    }

    void textBoxes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPalette::ColorRole>("textRole");

        QTest::newRow("main display, system colour 5") << "显示" << QPalette::Base;
        QTest::newRow("input box, system colour 10") << "显示2" << QPalette::Window;
    }

    void textBoxes() {
        QFETCH(QString, name);
        QFETCH(QPalette::ColorRole, textRole);
        const QColor textColour = QApplication::palette().color(textRole);
        const QColor blue(0, 0, 192);
        QVERIFY2(contrast(textColour, blue) >= 4.5, qPrintable(textColour.name()));

        PanelDriver ui;
        auto* box = qobject_cast<zorvane::ui::DisplayBox*>(ui.control(name));
        QVERIFY(box != nullptr);
        // Output only: disabled, so it can neither be typed into nor focused.
        QVERIFY(!box->isEnabled());
        box->setFocus();
        QVERIFY(ui.panel().focusWidget() != box);

        // Disabled, it still shows its own colours, drawn exactly as an
        // enabled box draws them: dark blue behind text in the system colour.
        QCOMPARE(box->palette().color(QPalette::Disabled, QPalette::Text), textColour);
        box->show();
        box->showText("88888888");
        const QImage disabled = box->grab().toImage();
        QCOMPARE(disabled.pixelColor(4, box->height() / 2), blue);
        box->setEnabled(true);
        QCOMPARE(box->grab().toImage(), disabled);
    }

    void inputBoxCoversMainDisplay() {
        PanelDriver ui;
        QVERIFY(!ui.inputBox()->isVisible());
        QCOMPARE(ui.panel().childAt(300, 36), ui.mainBox());

        ui.inputBox()->show();
        QCOMPARE(ui.panel().childAt(300, 36), ui.inputBox());
        QCOMPARE(ui.panel().childAt(100, 36), ui.mainBox());
    }

    void icon() {
        PanelDriver ui;
        const QImage shown =
            ui.panel().windowIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(shown.size(), QSize(32, 32));

        // The file installed for the desktop entry is the same picture.
        const QImage installed = QImage(ZORVANE_ICON_PNG).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(installed, shown);

        QSet<QRgb> colours;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                colours.insert(shown.pixel(x, y));
            }
        }
        QVERIFY(colours.size() > 4);
        QVERIFY(colours.size() <= 16);
    }
};

QTEST_MAIN(PanelLayoutTest)
#include "PanelLayoutTest.moc"
