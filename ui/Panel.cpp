#include "Panel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QMenu>
#include <algorithm>
#include <array>
#include <numeric>
#include <utility>

#include "Announcer.h"
#include "AppSetup.h"
#include "CalcButton.h"
#include "Calculator.h"
#include "Colours.h"
#include "ControlTable.h"
#include "DisplayBox.h"
#include "ErrorNotice.h"
#include "Icon.h"
#include "InputHook.h"
#include "PriceText.h"
#include "WindowDisplay.h"

namespace zorvane::ui {

namespace {

// Qt picks the glyphs for a script itself, so unlike the point size and the
// weight the GB2312 character set of the layout needs no setting.
QFont songFont(double pointSize) {
    QFont font(kSongFamily);
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    return font;
}

// The strip between the main display and the first row of trading buttons,
// left of the input box. The error notice is centred on it: over the
// display's lower margin and the buttons' upper edges, clear of the display's
// text, the input box and every caption.
QRect noticeBand(const QRect& mainDisplay, const QRect& inputBox) {
    int buttonsTop = kClientHeight;
    for (const ControlInfo& info : kControls) {
        if (info.click == Click::Function) {
            buttonsTop = std::min(buttonsTop, pixelRect(info).top());
        }
    }
    return QRect(QPoint(mainDisplay.left(), mainDisplay.bottom() + 1),
                 QPoint(inputBox.left() - 1, buttonsTop - 1));
}

}  // namespace

Panel::Panel() {
    setUpWindow();
    std::array<QWidget*, kControls.size()> controls{};
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        controls[i] = createControl(kControls[i]);
    }
    setUpTextBoxes();
    setUpTabOrder(controls);
    displayPort_ = std::make_unique<WindowDisplay>(*mainDisplay_, *inputBox_, *equalsButton_);
    notice_ = new ErrorNotice(*this);
    announcer_ = new Announcer(*this);
    watchInput();
    setUpCommands();
    runEngine([this] { onLoad(state_, *displayPort_); });
}

Panel::~Panel() = default;

void Panel::setUpWindow() {
    setObjectName(QStringLiteral("面板"));
    setWindowTitle(QStringLiteral("Zorvane"));
    setWindowIcon(calculatorIcon());
    // The controls sit at fixed places; the window does not stretch, and the
    // title bar offers no maximise button (full screen neither).
    setFixedSize(kClientWidth, kClientHeight);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(songFont(15));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, windowBackground());
    setPalette(colours);
    setAutoFillBackground(true);
}

QWidget* Panel::createControl(const ControlInfo& info) {
    const QString caption = QString::fromUtf8(info.caption);
    const QFont font = songFont(info.pointSize);
    QWidget* control = nullptr;
    switch (info.kind) {
        case ControlKind::MainDisplay:
            control = mainDisplay_ = new DisplayBox(font, DisplayBox::Fit::Labels, this);
            break;
        case ControlKind::InputBox:
            control = inputBox_ = new DisplayBox(font, DisplayBox::Fit::Never, this);
            break;
        case ControlKind::Button: {
            auto* button = new CalcButton(caption, this);
            button->setFont(font);
            connect(button, &QAbstractButton::clicked, this,
                    [this, operation = operationOf(info), equals = info.click == Click::Equals] {
                        if (runEngine(operation) && equals) {
                            announceMainText();
                        }
                    });
            if (info.click == Click::Equals) {
                equalsButton_ = button;
            }
            control = button;
            break;
        }
    }
    const QString name = QString::fromUtf8(info.name);
    control->setObjectName(name);
    control->setAccessibleName(caption.isEmpty() ? name : caption);
    control->setGeometry(pixelRect(info));
    return control;
}

std::function<void()> Panel::operationOf(const ControlInfo& info) {
    switch (info.click) {
        case Click::Digit:
            return [this, digit = info.digit] { onDigit(state_, *displayPort_, digit); };
        case Click::Point:
            return [this] { onPoint(state_, *displayPort_); };
        case Click::SignChange:
            return [this] { onSignChange(state_, *displayPort_); };
        case Click::Operator:
            return [this, op = info.code] { onOperator(state_, *displayPort_, op); };
        case Click::Equals:
            return [this] { onEquals(state_, *displayPort_); };
        case Click::Function:
            return [this, code = info.code] { onFunction(state_, *displayPort_, code); };
        case Click::Reset:
            return [this] { onReset(state_, *displayPort_); };
        case Click::Nothing:
            break;
    }
    return [] {};
}

void Panel::setUpTextBoxes() {
    paintBox(*mainDisplay_, boxBackground(), systemWindowColour());
    paintBox(*inputBox_, boxBackground(), systemActiveBorderColour());
    mainDisplay_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    inputBox_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // While shown, the input box covers the right part of the main display.
    inputBox_->raise();
}

void Panel::setUpTabOrder(const std::array<QWidget*, kControls.size()>& controls) {
    std::array<std::size_t, kControls.size()> order{};
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [](std::size_t a, std::size_t b) {
        return kControls[a].tabIndex < kControls[b].tabIndex;
    });
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(controls[order[i - 1]], controls[order[i]]);
    }
}

void Panel::watchInput() {
    new InputHook(*this, {
                             .pressed = [this] { notice_->hide(); },
                             .typed = [this](char16_t ch) { typeCharacter(ch); },
                         });
}

void Panel::typeCharacter(char16_t ch) {
    if (runEngine([this, ch] { onKey(state_, *displayPort_, ch); }) && ch == u'=') {
        announceMainText();
    }
}

void Panel::addCommand(std::initializer_list<QKeySequence> keys, std::function<void()> command) {
    auto* action = new QAction(this);
    action->setShortcuts(QList<QKeySequence>(keys));
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, std::move(command));
    addAction(action);
}

void Panel::setUpCommands() {
    addCommand({QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)},
               [this] { copyMainText(); });
    addCommand({QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)},
               [this] { pastePrice(); });
    addCommand({QKeySequence(Qt::CTRL | Qt::Key_Q), QKeySequence(Qt::CTRL | Qt::Key_W)},
               [this] { close(); });
}

void Panel::copyMainText() {
    const QString text = withoutTrailingBlanks(mainDisplay_->calculatorText());
    // Nothing shown, nothing copied: the clipboard keeps what it held.
    if (!text.isEmpty()) {
        QGuiApplication::clipboard()->setText(text);
    }
}

void Panel::pastePrice() {
    notice_->hide();
    const std::optional<QString> price = pastedPrice(QGuiApplication::clipboard()->text());
    if (!price) {
        QApplication::beep();
        return;
    }
    for (const QChar ch : *price) {
        // A failure stops the paste where it happened, with its notice shown.
        if (!runEngine([this, ch] { onKey(state_, *displayPort_, ch.unicode()); })) {
            return;
        }
    }
}

void Panel::contextMenuEvent(QContextMenuEvent* event) {
    // The disabled main display passes its right clicks on to the window.
    if (!mainDisplay_->geometry().contains(event->pos())) {
        QWidget::contextMenuEvent(event);
        return;
    }
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(QStringLiteral("复制"), this, [this] { copyMainText(); });
    menu->popup(event->globalPos());
}

void Panel::announceMainText() {
    announcer_->announce(withoutTrailingBlanks(mainDisplay_->calculatorText()));
}

bool Panel::runEngine(const std::function<void()>& operation) {
    notice_->hide();
    try {
        operation();
        return true;
    } catch (const CalcError& error) {
        QApplication::beep();
        notice_->showFailure(error.failure(),
                             noticeBand(mainDisplay_->geometry(), inputBox_->geometry()));
        return false;
    }
}

}  // namespace zorvane::ui
