#include "Panel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QMenu>
#include <algorithm>
#include <array>
#include <utility>

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

template <typename Widget>
Widget* childNamed(const QWidget& parent, const char* name) {
    return parent.findChild<Widget*>(QString::fromUtf8(name), Qt::FindDirectChildrenOnly);
}

}  // namespace

面板::面板() {
    setUpWindow();
    for (const ControlInfo& info : kControls) {
        createControl(info);
    }
    显示 = childNamed<DisplayBox>(*this, "显示");
    显示2 = childNamed<DisplayBox>(*this, "显示2");
    等于 = childNamed<QAbstractButton>(*this, "等于");
    setUpTextBoxes();
    setUpTabOrder();
    display_ = std::make_unique<WindowDisplay>(*显示, *显示2, *等于);
    notice_ = new ErrorNotice(*this);
    wireButtons();
    watchInput();
    setUpCommands();
    runEngine([this] { onLoad(state_, *display_); });
}

面板::~面板() = default;

void 面板::setUpWindow() {
    setObjectName(QStringLiteral("面板"));
    setWindowTitle(QStringLiteral("Zorvane"));
    setWindowIcon(calculatorIcon());
    // The controls sit at fixed places; the window does not stretch.
    setFixedSize(kClientWidth, kClientHeight);
    setFont(songFont(15));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, windowBackground());
    setPalette(colours);
    setAutoFillBackground(true);
}

void 面板::createControl(const ControlInfo& info) {
    const QString caption = QString::fromUtf8(info.caption);
    const QFont font = songFont(info.pointSize);
    QWidget* control = nullptr;
    switch (info.kind) {
        case ControlKind::MainDisplay:
            control = new DisplayBox(font, DisplayBox::Fit::Labels, this);
            break;
        case ControlKind::InputBox:
            control = new DisplayBox(font, DisplayBox::Fit::Never, this);
            break;
        case ControlKind::Button:
            control = new CalcButton(caption, this);
            control->setFont(font);
            break;
    }
    const QString name = QString::fromUtf8(info.name);
    control->setObjectName(name);
    control->setAccessibleName(caption.isEmpty() ? name : caption);
    control->setGeometry(pixelRect(info));
}

void 面板::setUpTextBoxes() {
    paintBox(*显示, boxBackground(), systemWindowColour());
    paintBox(*显示2, boxBackground(), systemActiveBorderColour());
    显示->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    显示2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // While shown, the input box covers the right part of the main display.
    显示2->raise();
}

void 面板::setUpTabOrder() {
    std::array<const ControlInfo*, kControls.size()> order{};
    std::transform(kControls.begin(), kControls.end(), order.begin(),
                   [](const ControlInfo& info) { return &info; });
    std::sort(order.begin(), order.end(),
              [](const ControlInfo* a, const ControlInfo* b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(childNamed<QWidget>(*this, order[i - 1]->name),
                    childNamed<QWidget>(*this, order[i]->name));
    }
}

void 面板::wireButtons() {
    for (int digit = 0; digit <= 9; ++digit) {
        onClick(QStringLiteral("按键%1").arg(digit),
                [this, digit] { onDigit(state_, *display_, digit); });
    }
    onClick(QStringLiteral("按键"), [this] { onPoint(state_, *display_); });
    onClick(QStringLiteral("按键10"), [this] { onSignChange(state_, *display_); });

    const std::array<std::pair<const char*, OpCode>, 4> operators = {{
        {"运算加", OpCode::Add},
        {"运算减", OpCode::Subtract},
        {"运算乘", OpCode::Multiply},
        {"运算除", OpCode::Divide},
    }};
    for (const auto& button : operators) {
        const OpCode op = button.second;
        onClick(QString::fromUtf8(button.first), [this, op] { onOperator(state_, *display_, op); });
    }
    onClick(QStringLiteral("等于"), [this] { onEquals(state_, *display_); });

    const std::array<std::pair<const char*, OpCode>, 4> functions = {{
        {"反弹", OpCode::Rebound},
        {"回调", OpCode::Pullback},
        {"出货", OpCode::SellOff},
        {"成本", OpCode::Cost},
    }};
    for (const auto& button : functions) {
        const OpCode code = button.second;
        onClick(QString::fromUtf8(button.first),
                [this, code] { onFunction(state_, *display_, code); });
    }
    onClick(QStringLiteral("清除"), [this] { onReset(state_, *display_); });
}

void 面板::onClick(const QString& name, std::function<void()> operation) {
    auto* button = findChild<QAbstractButton*>(name, Qt::FindDirectChildrenOnly);
    connect(button, &QAbstractButton::clicked, this,
            [this, operation = std::move(operation)] { runEngine(operation); });
}

void 面板::watchInput() {
    new InputHook(*this, {
                             .pressed = [this] { notice_->hide(); },
                             .typed =
                                 [this](char16_t ch) {
                                     runEngine([this, ch] { onKey(state_, *display_, ch); });
                                 },
                         });
}

void 面板::addCommand(std::initializer_list<QKeySequence> keys, std::function<void()> command) {
    auto* action = new QAction(this);
    action->setShortcuts(QList<QKeySequence>(keys));
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, std::move(command));
    addAction(action);
}

void 面板::setUpCommands() {
    addCommand({QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)},
               [this] { copyMainText(); });
    addCommand({QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)},
               [this] { pastePrice(); });
    addCommand({QKeySequence(Qt::CTRL | Qt::Key_Q), QKeySequence(Qt::CTRL | Qt::Key_W)},
               [this] { close(); });
}

void 面板::copyMainText() {
    QGuiApplication::clipboard()->setText(withoutTrailingBlanks(显示->calculatorText()));
}

void 面板::pastePrice() {
    notice_->hide();
    const std::optional<QString> price = pastedPrice(QGuiApplication::clipboard()->text());
    if (!price) {
        QApplication::beep();
        return;
    }
    for (const QChar ch : *price) {
        // A failure stops the paste where it happened, with its notice shown.
        if (!runEngine([this, ch] { onKey(state_, *display_, ch.unicode()); })) {
            return;
        }
    }
}

void 面板::contextMenuEvent(QContextMenuEvent* event) {
    // The disabled main display passes its right clicks on to the window.
    if (!显示->geometry().contains(event->pos())) {
        QWidget::contextMenuEvent(event);
        return;
    }
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addAction(QStringLiteral("复制"), this, [this] { copyMainText(); });
    menu->popup(event->globalPos());
}

bool 面板::runEngine(const std::function<void()>& operation) {
    notice_->hide();
    try {
        operation();
        return true;
    } catch (const CalcError& error) {
        QApplication::beep();
        notice_->showFailure(error.failure(), 显示->geometry());
        return false;
    }
}

}  // namespace zorvane::ui
