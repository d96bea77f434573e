// The window as a Windows screen reader works it through UI Automation, from
// inside the program: the client (IUIAutomation) runs on a thread of its own
// while the window's thread keeps Qt's event loop, and with it the window's
// provider, going. The client finds the controls by their names and types and
// reads their properties; each button's Invoke (a trading button's Toggle too)
// must do what a click does, the trading buttons' toggle state follow the
// selected function and the main display's Value read what it shows. Wine
// 10's client gives no pattern even here (GetCurrentPatternAs returns
// E_NOTIMPL), so under Wine the actions skip, naming the call and its HRESULT
// on standard error too (Qt Test's own output does not reach CTest's log
// there). Needs the windows platform, and so a display: scripts/check-windows
// runs it on Xvfb.
#include <uiautomation.h>
#include <windows.h>
#include <wrl/client.h>

#include <QTest>
#include <chrono>
#include <cstdio>
#include <future>
#include <map>
#include <optional>

#include "ControlTable.h"
#include "PanelDriver.h"

namespace {

using Microsoft::WRL::ComPtr;

// A call of the client that failed, or succeeded without its object.
struct Stop {
    QString call;
    HRESULT result;
    QString text() const {
        return call +
               QStringLiteral(" returned 0x%1")
                   .arg(static_cast<unsigned long>(result), 8, 16, QLatin1Char('0')) +
               (SUCCEEDED(result) ? QStringLiteral(" and no object") : QString());
    }
};

void check(HRESULT result, const QString& call, bool gotObject = true) {
    if (FAILED(result) || !gotObject) {
        throw Stop{call, result};
    }
}

// `object` is read after the call that fills it has returned.
template <class Object>
void need(HRESULT result, const ComPtr<Object>& object, const QString& call) {
    check(result, call, object != nullptr);
}

QString text(BSTR string) {
    QString out = QString::fromWCharArray(string, static_cast<int>(SysStringLen(string)));
    SysFreeString(string);
    return out;
}

// The client's view of one window, on the client's thread only.
class Client {
public:
    explicit Client(HWND window) {
        need(CoCreateInstance(__uuidof(CUIAutomation), nullptr, CLSCTX_INPROC_SERVER,
                              IID_PPV_ARGS(&automation_)),
             automation_, "CoCreateInstance(CUIAutomation)");
        ComPtr<IUIAutomationElement> root;
        need(automation_->ElementFromHandle(window, &root), root, "ElementFromHandle");
        ComPtr<IUIAutomationCondition> everything;
        automation_->CreateTrueCondition(&everything);
        ComPtr<IUIAutomationElementArray> found;
        need(root->FindAll(TreeScope_Descendants, everything.Get(), &found), found, "FindAll");
        int count = 0;
        found->get_Length(&count);
        for (int i = 0; i < count; ++i) {
            ComPtr<IUIAutomationElement> element;
            found->GetElement(i, &element);
            BSTR caption = nullptr;
            element->get_CurrentName(&caption);
            const QString name = text(caption);
            CONTROLTYPEID type = 0;
            element->get_CurrentControlType(&type);
            elements_.emplace(name, element);
            seen_ << QStringLiteral("%1 %2").arg(type).arg(name);
        }
        seen_.sort();
    }

    // "type name" of every element, sorted.
    const QStringList& elements() const { return seen_; }

    void press(const QString& name, bool byToggle) {
        if (byToggle) {
            check(
                pattern<IUIAutomationTogglePattern>(name, UIA_TogglePatternId, "Toggle")->Toggle(),
                "Toggle() on " + name);
        } else {
            check(
                pattern<IUIAutomationInvokePattern>(name, UIA_InvokePatternId, "Invoke")->Invoke(),
                "Invoke() on " + name);
        }
    }

    // The main display's Value, then the trading buttons toggled on.
    QString reading(const QStringList& trading) {
        BSTR value = nullptr;
        check(pattern<IUIAutomationValuePattern>("显示", UIA_ValuePatternId, "Value")
                  ->get_CurrentValue(&value),
              "get_CurrentValue on 显示");
        QString out = text(value);
        for (const QString& name : trading) {
            ToggleState state = ToggleState_Indeterminate;
            check(pattern<IUIAutomationTogglePattern>(name, UIA_TogglePatternId, "Toggle")
                      ->get_CurrentToggleState(&state),
                  "get_CurrentToggleState on " + name);
            if (state == ToggleState_On) {
                out += " | " + name;
            }
        }
        return out;
    }

    // A property as the client reads it ("true", "false" or the VARIANT's type).
    QString property(const QString& name, PROPERTYID id) {
        const QString call =
            QStringLiteral("GetCurrentPropertyValueEx(%1) on %2").arg(id).arg(name);
        VARIANT value;
        VariantInit(&value);
        check(find(name, call)->GetCurrentPropertyValueEx(id, TRUE, &value), call);
        const QString out = value.vt == VT_BOOL ? QString(value.boolVal ? "true" : "false")
                                                : QStringLiteral("VARIANT type %1").arg(value.vt);
        VariantClear(&value);
        return out;
    }

private:
    IUIAutomationElement* find(const QString& name, const QString& call) const {
        const auto found = elements_.find(name);
        check(found == elements_.end() ? E_FAIL : S_OK, call + " (finding the element)");
        return found->second.Get();
    }

    template <class Pattern>
    ComPtr<Pattern> pattern(const QString& name, PATTERNID id, const char* pattern) {
        const QString call = QStringLiteral("GetCurrentPatternAs(%1) on %2").arg(pattern, name);
        ComPtr<Pattern> out;
        need(find(name, call)->GetCurrentPatternAs(id, IID_PPV_ARGS(&out)), out, call);
        return out;
    }

    ComPtr<IUIAutomation> automation_;
    // Not a QHash: Qt's containers take the address of a value, and a
    // ComPtr's address operator releases what it holds.
    std::map<QString, ComPtr<IUIAutomationElement>> elements_;
    QStringList seen_;
};

// Runs `work` with a client of `window` on a thread of COM's multithreaded
// apartment while this thread pumps the window's messages; a Stop ends it.
template <class Work>
auto asClient(QWidget& window, Work work) {
    using Result = decltype(work(std::declval<Client&>()));
    const auto handle = reinterpret_cast<HWND>(window.winId());
    auto done = std::async(std::launch::async, [&]() -> std::pair<Result, std::optional<Stop>> {
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        std::pair<Result, std::optional<Stop>> out;
        try {
            Client client(handle);
            out.first = work(client);
        } catch (const Stop& stop) {
            out.second = stop;
        }
        CoUninitialize();
        return out;
    });
    while (done.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        QTest::qWait(5);
    }
    return done.get();
}

QStringList tradingCaptions(PanelDriver& ui) {
    QStringList out;
    for (QAbstractButton* button : ui.panel().findChildren<QAbstractButton*>()) {
        if (button->isCheckable()) {
            out << button->text();
        }
    }
    return out;
}

// The main display's text, then the trading buttons checked.
QString reading(PanelDriver& ui) {
    QString out = ui.mainBox()->text();
    for (const QString& name : tradingCaptions(ui)) {
        if (ui.button(name)->isChecked()) {
            out += " | " + name;
        }
    }
    return out;
}

}  // namespace

class UiAutomationActionsTest final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { prepareApplication(); }

    // The 22 buttons by their captions and the main display, as the window
    // opens (the input box is hidden until a function asks for a number).
    void controlsAreNamedAndTyped() {
        QStringList wanted;
        for (const zorvane::ui::ControlInfo& control : zorvane::ui::kControls) {
            if (control.kind == zorvane::ui::ControlKind::Button) {
                wanted << QStringLiteral("%1 %2")
                              .arg(UIA_ButtonControlTypeId)
                              .arg(QString::fromUtf8(control.caption));
            } else if (control.kind == zorvane::ui::ControlKind::MainDisplay) {
                wanted << QStringLiteral("%1 %2")
                              .arg(UIA_EditControlTypeId)
                              .arg(QString::fromUtf8(control.name));
            }
        }
        wanted.sort();
        PanelDriver ui;
        const auto [seen, stop] =
            asClient(ui.panel(), [](Client& client) { return client.elements(); });
        QVERIFY2(!stop, stop ? stop->text().toUtf8().constData() : "");
        QCOMPARE(seen, wanted);
    }

    void propertiesAreRead_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("property");
        QTest::addColumn<QString>("value");
        // clang-format off
        // Read through the display's Value pattern: the calculator alone writes it.
        QTest::newRow("the display is read-only") << "显示" << UIA_ValueIsReadOnlyPropertyId << "true";
        QTest::newRow("the focus is on =")        << "=" << UIA_HasKeyboardFocusPropertyId << "true";
        QTest::newRow("and on no digit")          << "1" << UIA_HasKeyboardFocusPropertyId << "false";
        QTest::newRow("a trading button works")   << "反弹目标点预测" << UIA_IsEnabledPropertyId << "true";
        // clang-format on
    }

    void propertiesAreRead() {
        QFETCH(QString, name);
        QFETCH(int, property);
        QFETCH(QString, value);
        PanelDriver ui;
        const auto [seen, stop] =
            asClient(ui.panel(), [&](Client& client) { return client.property(name, property); });
        QVERIFY2(!stop, stop ? stop->text().toUtf8().constData() : "");
        QCOMPARE(seen, value);
    }

    void actionsDoWhatClicksDo_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("byToggle");
        // clang-format off
        QTest::newRow("keypad and operators") << "1 2 . 5 +/- + 3 = * 4 - 6 / 7 8 9 0 =" << false;
        QTest::newRow("rebound, then pullback") << "反弹 2 0 = 1 0 = 回调" << false;
        QTest::newRow("sell-off after rebound's peak") << "反弹 2 0 出货 5 0 = 1 2 =" << false;
        QTest::newRow("cost, then reset") << "成本 1 0 = 1 0 0 0 = 清除" << false;
        QTest::newRow("an operator leaves the function") << "出货 +" << false;
        QTest::newRow("functions by Toggle") << "反弹 2 0 = 1 0 = 成本 反弹 回调 出货" << true;
        // clang-format on
    }

    // Step by step, the client's Invoke (or Toggle) on one window reads as
    // clicks on another do.
    void actionsDoWhatClicksDo() {
        QFETCH(QString, script);
        QFETCH(bool, byToggle);
        const QStringList steps = script.split(u' ');
        QStringList clicked;
        {
            PanelDriver reference;
            for (const QString& step : steps) {
                reference.click(step);
                clicked << reading(reference);
            }
        }
        PanelDriver ui;
        const QStringList trading = tradingCaptions(ui);
        QStringList names;
        for (const QString& step : steps) {
            names << ui.button(step)->text();
        }
        const auto [pressed, stop] = asClient(ui.panel(), [&](Client& client) {
            QStringList out;
            for (const QString& name : names) {
                client.press(name, byToggle && trading.contains(name));
                out << client.reading(trading);
            }
            return out;
        });
        if (stop && stop->result == E_NOTIMPL) {
            std::fprintf(stderr, "UI Automation stops: %s\n", stop->text().toUtf8().constData());
            QSKIP(("the client gives no pattern: " + stop->text()).toUtf8().constData());
        }
        QVERIFY2(!stop, stop ? stop->text().toUtf8().constData() : "");
        QCOMPARE(pressed, clicked);
        QCOMPARE(reading(ui), clicked.last());
    }
};

QTEST_MAIN(UiAutomationActionsTest)
#include "UiAutomationActionsTest.moc"
