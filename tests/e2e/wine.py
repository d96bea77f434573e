"""Drives the Windows zorvane.exe under Wine on a virtual X server: types with
real X key events (xdotool), which Wine hands to the program as Windows key
messages, and reads the main display through the program's own copy (Ctrl+C),
which lands on the X clipboard. Run by scripts/check-windows with WINEPREFIX
and DISPLAY set.
    wine.py EXE UIA_PROBE          the controls as UI Automation sees them
                                   (tests/e2e/uia_probe.cpp), the keyboard
                                   scenarios (the German keypad's point too)
                                   and Ctrl+Q
    wine.py --picture PNG EXE      a picture of the window with a rebound prompt
    wine.py --edges PNG EXE        one with a 15-digit price and the notice
                                   that refuses a 16th digit"""

import sys
import time

import xkb
from driver import Tally, Window, clipboard, poll, run, set_clipboard

WINE = "/usr/lib/wine/wine64"


class Calculator(Window):
    def __init__(self, exe):
        super().__init__([WINE, exe], timeout=60, key_delay=40, type_delay=60)
        time.sleep(0.5)

    def copied(self, wanted):
        """What Ctrl+C puts on the clipboard, polled until it is wanted or time is up."""
        set_clipboard("(nothing copied)")
        self.keys("ctrl+c")
        try:
            return poll(repr(wanted), lambda: clipboard() == wanted and wanted, timeout=5)
        except RuntimeError:
            return clipboard()

    def maximisable(self):
        """Whether Wine offers the window manager a maximise box (Motif hints
        made from the window's WS_MAXIMIZEBOX)."""
        hints = run("xprop", "-id", self.window, "_MOTIF_WM_HINTS").split("=")[1].split(",")
        functions, decorations = int(hints[1], 16), int(hints[2], 16)
        return bool(functions & 0x10 or decorations & 0x40)


def scenarios(calc):
    """(name, steps, shown text); each starts from Esc. The copy leaves out the
    blank that ends a trading result, so those are compared without it."""
    return [
        ("12+3=", lambda: calc.type("12+3="), "15"),
        ("7*6=", lambda: calc.type("7*6="), "42"),
        # Esc leaves the focus on "="; Tab twice reaches the rebound button.
        ("rebound from the keyboard: Esc Tab Tab Return 20=10=",
         lambda: (calc.keys("Tab", "Tab", "Return"), calc.type("20=10=")),
         "标准反弹:13.75 中级反弹:15 "),
        # Seven Shift+Tabs back from "=" reach the cost button.
        ("cost from the keyboard: Esc Shift+Tab x7 Return 10=1000=",
         lambda: (calc.keys(*["shift+Tab"] * 7, "Return"), calc.type("10=1000=")),
         "高抛成本:10.06 接回成本:9.94 "),
    ]


def keypad_point(calc):
    """(name, passed, copied): on the German layout the keypad's decimal key
    types "," (Wine makes it VK_DECIMAL with that character); it is the point.
    The layout stays until the copy is read, as Wine translates the keys when
    it takes them."""
    xkb.numlock_on()
    with xkb.layout("de"):
        # Wine reloads its keyboard map on the X mapping change.
        time.sleep(1)
        calc.keys("Escape", "KP_1", "KP_2", "KP_Separator", "KP_5")
        copied = calc.copied("12.5")
    time.sleep(1)
    return ("German keypad 1 2 [decimal key] 5", copied == "12.5", copied)


# UI Automation's control types.
UIA_BUTTON, UIA_EDIT = 50000, 50004
BUTTONS = tuple("0123456789") + (".", "+/-", "+", "-", "*", "/", "=", "复   位", "反弹目标点预测",
                                 "回调目标点预测", "出货目标点预测", "股票买卖成本")


def automation_checks(probe):
    """(name, passed, what was seen): the controls as a Windows screen reader
    finds them. Wine's client gives no patterns, so their actions are not tried."""
    seen = set()
    for line in run(WINE, probe).splitlines():
        control_type, name, patterns = line.split("\t")
        seen.add((int(control_type), name))
        print(f"    UI Automation: {control_type} {name!r}{patterns}")
    return [
        # The trading buttons too: buttons that a screen reader presses, not
        # check boxes that it would only tick.
        ("UI Automation: the 22 buttons are buttons, named by their captions",
         all((UIA_BUTTON, name) in seen for name in BUTTONS), seen),
        ("UI Automation: the main display is an edit named 显示", (UIA_EDIT, "显示") in seen, seen),
    ]


def keypad_locked(calc):
    """(name, passed, copied): 100+, then keypad keys with Num Lock off (as
    Windows sends them: Home, End, arrows, Delete) neither type nor move the
    focus, so that keypad Enter still presses "=" and adds 100 to 100."""
    xkb.numlock_off()
    try:
        calc.keys("Escape")
        calc.type("100+")
        calc.keys("KP_End", "KP_Down", "KP_Delete", "KP_Begin", "KP_Enter")
        copied = calc.copied("200")
    finally:
        xkb.numlock_on()
    return ("keypad 1 2 . 5 with Num Lock off, then Enter, after 100+", copied == "200", copied)


def main(exe, probe):
    calc = Calculator(exe)
    print(f"window mapped, {calc.size()}")
    tally = Tally()
    tally.check("the fixed-size window has no maximise box", not calc.maximisable())
    try:
        for name, ok, seen in automation_checks(probe):
            tally.check(name, ok, seen)
        for name, steps, wanted in scenarios(calc):
            calc.keys("Escape")
            steps()
            copied = calc.copied(wanted.rstrip(" "))
            tally.check(f"{name}: copied {copied!r}", copied == wanted.rstrip(" "), copied)
        name, ok, copied = keypad_point(calc)
        tally.check(f"{name}: copied {copied!r}, wanted '12.5'", ok, copied)
        name, ok, copied = keypad_locked(calc)
        tally.check(f"{name}: copied {copied!r}, wanted '200'", ok, copied)
    finally:
        tally.check("Ctrl+Q closes the window", calc.close())
    return tally.end()


def picture(png, exe, price="12.5"):
    """The window as docs/zorvane.png shows it: rebound chosen, a price typed
    (12.5, or the 15 digits whose 16th the notice refuses)."""
    calc = Calculator(exe)
    try:
        calc.keys("Escape", "Tab", "Tab", "Return")
        calc.type(price)
        time.sleep(1)
        calc.picture(png)
        print(f"{png}: window {calc.size()}")
    finally:
        calc.close()


if __name__ == "__main__":
    if sys.argv[1] == "--picture":
        picture(sys.argv[2], sys.argv[3])
    elif sys.argv[1] == "--edges":
        picture(sys.argv[2], sys.argv[3], "1234567890123456")
    else:
        sys.exit(main(sys.argv[1], sys.argv[2]))
