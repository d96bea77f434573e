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
#include <optional>
#include <utility>
#include <vector>

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

// Shows nothing: the displays of a trial run on a copy of the state.
class NoDisplay final : public DisplayPort {
public:
    void setMainText(const std::string&, TextKind) override {}
    void setMainAlignment(Alignment) override {}
    void setInputText(const std::string&) override {}
    void setInputVisible(bool) override {}
    void setMainEnabled(bool) override {}
    void setInputEnabled(bool) override {}
    void focusEquals() override {}
};

// The operation "=" will carry out, as the engine holds it.
OpCode pendingOperation(const CalculatorState& state) {
    return state.operation.opCode;
}

// The pending operation a trading function's button selects.
std::optional<OpCode> tradingFunction(std::optional<Command> command) {
    switch (command.value_or(Command::Equals)) {
        case Command::Rebound:
            return OpCode::Rebound;
        case Command::Pullback:
            return OpCode::Pullback;
        case Command::SellOff:
            return OpCode::SellOff;
        case Command::Cost:
            return OpCode::Cost;
        default:
            return std::nullopt;
    }
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
    markFunctions(controls);
    watchInput();
    setUpCommands();
    onLoad(state_, *displayPort_);
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
            control = mainDisplay_ = new DisplayBox(font, this);
            break;
        case ControlKind::InputBox:
            control = inputBox_ = new DisplayBox(font, this);
            break;
        case ControlKind::Button: {
            auto* button = new CalcButton(caption, this);
            button->setFont(font);
            if (info.command) {
                connect(button, &QAbstractButton::clicked, this,
                        [this, command = *info.command] { run(command); });
            }
            if (info.command == Command::Equals) {
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

void Panel::setUpTextBoxes() {
    paintBox(*mainDisplay_, boxBackground(), systemWindowColour());
    paintBox(*inputBox_, boxBackground(), systemActiveBorderColour());
    mainDisplay_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    inputBox_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // While shown, the input box covers the right part of the main display;
    // the prompt asking for its number stays clear of it.
    inputBox_->raise();
    mainDisplay_->keepPromptsLeftOf(*inputBox_);
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

void Panel::markFunctions(const std::array<QWidget*, kControls.size()>& controls) {
    mark_ = std::make_unique<FunctionMark>(*announcer_);
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        if (const auto function = tradingFunction(kControls[i].command)) {
            mark_->addButton(*function, *static_cast<QAbstractButton*>(controls[i]));
        }
    }
}

void Panel::watchInput() {
    new InputHook(*this, {
                             .pressed = [this] { notice_->hide(); },
                             .typed =
                                 [this](char16_t ch) {
                                     if (const auto command = onKey(ch)) {
                                         run(*command);
                                     }
                                 },
                             .keypadLocked =
                                 [this](bool numLockOn) {
                                     reportFailure(numLockOn ? KeyProblem::KeypadShifted
                                                             : KeyProblem::KeypadLocked);
                                 },
                         });
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
               [this] { copyShownText(); });
    addCommand({QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)},
               [this] { pastePrice(); });
    addCommand({QKeySequence(Qt::CTRL | Qt::Key_Q), QKeySequence(Qt::CTRL | Qt::Key_W)},
               [this] { close(); });
}

void Panel::copyShownText() {
    // The input box, while shown, holds the price being typed, or none yet:
    // the prompt beside it is no number to paste anywhere. The blanks that
    // pad a text (the sign position, the results' tail) are not copied.
    const DisplayBox& shown = inputBox_->isHidden() ? *mainDisplay_ : *inputBox_;
    const QString text = shown.calculatorText().trimmed();
    // Nothing shown, nothing copied: the clipboard keeps what it held.
    if (!text.isEmpty()) {
        QGuiApplication::clipboard()->setText(text);
    }
}

void Panel::pastePrice() {
    notice_->hide();
    const std::optional<QString> clipboardText = pasteGate_.read();
    if (!clipboardText) {
        return;
    }
    const auto price = pastedPrice(*clipboardText);
    if (const auto* problem = std::get_if<PasteProblem>(&price)) {
        reportFailure(*problem);
        return;
    }
    std::vector<Command> keys;
    for (const QChar ch : std::get<QString>(price)) {
        if (const auto command = onKey(ch.unicode())) {
            keys.push_back(*command);
        }
    }
    // All or nothing: a price the calculator cannot take whole is not begun.
    CalculatorState trial = state_;
    NoDisplay nowhere;
    if (const auto failed = typeNumber(trial, nowhere, keys)) {
        reportFailure(*failed);
        return;
    }
    if (const auto failed = typeNumber(state_, *displayPort_, keys)) {
        reportFailure(*failed);
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
    menu->addAction(QStringLiteral("复制"), this, [this] { copyShownText(); });
    menu->popup(event->globalPos());
}

void Panel::run(Command command) {
    notice_->hide();
    const auto failed = press(state_, *displayPort_, command);
    mark_->follow(pendingOperation(state_), tradingFunction(command).has_value());
    if (failed) {
        reportFailure(*failed);
    } else if (command == Command::Equals) {
        announceMainText();
    }
}

void Panel::reportFailure(const Failure& failure) {
    QApplication::beep();
    notice_->showNotice(noticeText(failure), noticeBand());
}

void Panel::announceMainText() {
    announcer_->announce(withoutTrailingBlanks(mainDisplay_->calculatorText()));
}

}  // namespace zorvane::ui
