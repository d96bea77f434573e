#include "PanelDriver.h"

#include <QApplication>
#include <QTest>
#include <QWindow>

#include "AppSetup.h"

PanelDriver::PanelDriver() {
    panel_.show();
    if (!QTest::qWaitForWindowActive(&panel_)) {
        qWarning("the calculator window did not become active");
    }
}

QWindow* PanelDriver::window() const {
    return panel_.windowHandle();
}

QWidget* PanelDriver::control(const QString& name) const {
    return panel_.findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
}

QAbstractButton* PanelDriver::button(const QString& name) const {
    if (auto* named = panel_.findChild<QAbstractButton*>(name, Qt::FindDirectChildrenOnly)) {
        return named;
    }
    for (auto* candidate : panel_.findChildren<QAbstractButton*>()) {
        if (candidate->text() == name) {
            return candidate;
        }
    }
    return nullptr;
}

zorvane::ui::DisplayBox* PanelDriver::mainBox() const {
    return qobject_cast<zorvane::ui::DisplayBox*>(control("显示"));
}

zorvane::ui::DisplayBox* PanelDriver::inputBox() const {
    return qobject_cast<zorvane::ui::DisplayBox*>(control("显示2"));
}

QLabel* PanelDriver::notice() const {
    return panel_.findChild<QLabel*>(QStringLiteral("提示"), Qt::FindDirectChildrenOnly);
}

void PanelDriver::click(const QString& script) const {
    for (const QString& word : script.split(u' ', Qt::SkipEmptyParts)) {
        QAbstractButton* target = button(word);
        QVERIFY2(target != nullptr, qPrintable("no button " + word));
        QTest::mouseClick(target, Qt::LeftButton);
    }
}

void PanelDriver::type(const QString& keys) const {
    for (const QChar key : keys) {
        QTest::keyClick(window(), key.toLatin1());
    }
}

void PanelDriver::press(Qt::Key key, Qt::KeyboardModifiers modifiers) const {
    QTest::keyClick(window(), key, modifiers);
}

void PanelDriver::keyEvent(bool press, Qt::Key key, const QString& text,
                           Qt::KeyboardModifiers modifiers, bool autoRepeat) const {
    QTest::simulateEvent(window(), press, key, modifiers, text, autoRepeat);
}

void PanelDriver::typeRolledOver(const QString& keys) const {
    auto keyOf = [](QChar ch) { return static_cast<Qt::Key>(ch.unicode()); };
    for (qsizetype i = 0; i < keys.size(); ++i) {
        keyEvent(true, keyOf(keys[i]), keys[i]);
        if (i > 0) {
            keyEvent(false, keyOf(keys[i - 1]), keys[i - 1]);
        }
    }
    if (!keys.isEmpty()) {
        keyEvent(false, keyOf(keys.back()), keys.back());
    }
}

void prepareApplication() {
    zorvane::ui::installFontSubstitutions();
    zorvane::ui::pinStyle();
}
