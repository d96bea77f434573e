"""Types into the running calculator with real X key events and reads its
displays through AT-SPI. Run by scripts/e2e on a private X server and session
bus; takes the program's path and its desktop entry."""

import os
import re
import signal
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

import driver
import xkb
from driver import Tally, Window, set_clipboard, xdotool

# How long Qt's X11 clipboard waits on an owner that does not answer.
FREEZE_PER_PASTE = 15.0


def deliver_events():
    """Lets the AT-SPI events that arrived reach their listeners."""
    while GLib.MainContext.default().iteration(False):
        pass


def poll(what, read, timeout=driver.TIMEOUT):
    return driver.poll(what, read, timeout, between=deliver_events)


def find_displays():
    def search():
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is None:
                continue
            main = pyatspi.findDescendant(app, lambda a: a is not None and a.name == "显示")
            if main is not None:
                return app, main, pyatspi.findDescendant(app, lambda a: a is not None and a.name == "显示2")
        return None
    return poll("the displays on the accessibility bus", search)


def extents(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.x + box.width, box.y + box.height


def overlap(a, b):
    return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]


def text_of(accessible):
    return accessible.queryText().getText(0, -1)


def text_and_visibility(accessible):
    """What a user sees of the input box: its text, and whether it is shown."""
    def read():
        return (text_of(accessible), accessible.getState().contains(pyatspi.STATE_VISIBLE))
    return read


def try_to_write(accessible, text):
    """What a screen reader or test tool may do to a text box."""
    try:
        accessible.queryEditableText().setTextContents(text)
    except NotImplementedError:
        pass  # no editable text at all: just as good


class Calculator(Window):
    def __init__(self, program):
        super().__init__([program])
        self.app, self.main, self.input = find_displays()
        # What a screen reader hears of: objects that appear, with role and name.
        self.shown = []
        pyatspi.Registry.registerEventListener(self._on_showing, "object:state-changed:showing")

    def _on_showing(self, event):
        if event.detail1:
            self.shown.append((event.source.getRoleName(), event.source.name))

    def focused_name(self):
        found = pyatspi.findDescendant(
            self.app, lambda a: a is not None and a.getState().contains(pyatspi.STATE_FOCUSED))
        return found.name if found is not None else None

    def buttons(self):
        """The 22 buttons, as AT-SPI offers them."""
        # By role, not by its name: newer AT-SPI calls a push button "button".
        return pyatspi.findAllDescendants(
            self.app, lambda a: a is not None and a.getRole() in (
                pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX))

    def notification_shown(self, text):
        return ("notification", text) in self.shown

    def roll_over(self, digits):
        """Each key goes down before the previous one comes up."""
        steps = []
        for i, key in enumerate(digits):
            steps += ["keydown", key]
            if i > 0:
                steps += ["sleep", "0.03", "keyup", digits[i - 1]]
        steps += ["sleep", "0.03", "keyup", digits[-1]]
        xdotool(*steps)

    def expect(self, display, wanted):
        """display: an accessible text box, or a function that reads one."""
        read = display if callable(display) else lambda: text_of(display)
        try:
            poll(repr(wanted), lambda: read() == wanted, timeout=5)
            return None
        except RuntimeError:
            return read()

    def screenshot(self, name):
        folder = os.environ.get("E2E_SCREENSHOTS")
        if folder:
            self.picture(os.path.join(folder, name + ".png"))


def scenarios(calc):
    """(name, steps, display, expected text); each starts from a reset."""
    return [
        ("12+3= on the main keyboard", lambda: calc.type("12+3="), calc.main, "15"),
        ("7*6=", lambda: calc.type("7*6="), calc.main, "42"),
        ("1250 rolled over", lambda: calc.roll_over(["1", "2", "5", "0"]), calc.main, "1250"),
        ("Ctrl+1 types nothing", lambda: calc.keys("2", "ctrl+1", "3"), calc.main, "23"),
        # X11 gives the chord Esc's character; the 5 shows it was taken.
        ("Ctrl+Alt+3 does not reset", lambda: (calc.type("12+3"), calc.keys("ctrl+alt+3", "5")),
         calc.main, " 12+35"),
        ("rebound from the keyboard", lambda: (
            # Esc left the focus on "="; Tab twice reaches the rebound button.
            calc.keys("Tab", "Tab", "Return"), calc.type("20=10=")),
         calc.main, "标准反弹:13.75 中级反弹:15 "),
        ("1250 rolled over into the input box", lambda: (
            calc.keys("Tab", "Tab", "Return"), calc.roll_over(["1", "2", "5", "0"])),
         calc.input, "1250"),
        ("the main display refuses AT-SPI writes", lambda: (
            calc.type("12+3="), calc.expect(calc.main, "15"), try_to_write(calc.main, "999")),
         calc.main, "15"),
        ("a digit after a result begins a new number", lambda: calc.type("2+3=7"),
         calc.main, "7"),
        ("equals then adds it to the result", lambda: calc.type("2+3=7="), calc.main, "12"),
        ("a price typed after a result shows in the input box", lambda: (
            calc.keys("Tab", "Tab", "Return"), calc.type("20=10=3")),
         text_and_visibility(calc.input), ("3", True)),
        ("+/- negates the price in the input box", lambda: (
            # Shift+Tab five times from "=" reaches "+/-".
            calc.keys("Tab", "Tab", "Return"), calc.type("20"),
            calc.keys(*["shift+Tab"] * 5, "Return")),
         text_and_visibility(calc.input), ("-20", True)),
        ("and equals computes with the negative price", lambda: (
            calc.keys("Tab", "Tab", "Return"), calc.type("20"),
            calc.keys(*["shift+Tab"] * 5, "Return"), calc.type("=10=")),
         calc.main, "标准反弹:-1.25 中级反弹:-5 "),
        ("copy and paste", lambda: (
            calc.type("12.5*2="), calc.keys("ctrl+c", "Escape", "ctrl+v")),
         calc.main, "25"),
        ("Ctrl+C on an empty display keeps the clipboard", lambda: (
            calc.type("7"), calc.keys("ctrl+c", "Escape", "ctrl+c", "ctrl+v")),
         calc.main, "7"),
        ("an operator in a function takes the price shown", lambda: (
            calc.keys(*["Tab"] * 4, "Return"), calc.type("10-3=")),
         calc.main, "7"),
        ("a price after a result shows the first prompt again", lambda: (
            calc.keys(*["Tab"] * 4, "Return"), calc.type("1750.55=12")),
         both_boxes(calc), ("输入筹码密集峰价格：             ", "12", True)),
        ("a paste replaces the price being typed", lambda: (
            calc.keys("Tab", "Tab", "Return"), calc.type("10."), set_clipboard("12.5"),
            calc.keys("ctrl+v")),
         calc.input, "12.5"),
        # Long numbers: screen readers get the whole text, however it is shown.
        ("a 15-digit price", lambda: (calc.keys("Tab", "Tab", "Return"),
                                      calc.type("123456789012345")), calc.input, "123456789012345"),
        ("a price of 19 decimals", lambda: (calc.keys("Tab", "Tab", "Return"),
                                            calc.type(".000000000000001234")),
         calc.input, "0.000000000000001234"),
        ("a price of 40 zeros after the point", lambda: (
            calc.keys("Tab", "Tab", "Return"), calc.type("." + "0" * 40 + "1")),
         calc.input, "0." + "0" * 40 + "1"),
        ("two 15-digit operands", lambda: calc.type("123456789012345+123456789012345"),
         calc.main, " 123456789012345+123456789012345"),
        ("the cost of 0.00000000000001 shares", lambda: (
            calc.keys(*["shift+Tab"] * 7, "Return"), calc.type("10=.00000000000001=")),
         calc.main, "高抛成本:1.20000000000001E+15 接回成本:-1.19999999999999E+15 "),
        ("Ctrl+C copies the price being typed", lambda: (
            calc.keys("Tab", "Tab", "Return"), calc.type("12.50"),
            calc.keys("ctrl+c", "Escape", "ctrl+v")),
         calc.main, "12.50"),
    ]


def both_boxes(calc):
    """The main display's text, the input box's text and whether it shows."""
    def read():
        return (text_of(calc.main),) + text_and_visibility(calc.input)()
    return read


# From "=" (where Esc leaves the focus) to each trading button, as the guide
# counts.
TAB_COUNTS = [
    (["Tab"] * 2, "反弹目标点预测"),
    (["Tab"] * 3, "回调目标点预测"),
    (["Tab"] * 4, "出货目标点预测"),
    (["shift+Tab"] * 7, "股票买卖成本"),
]


def window_checks(calc, desktop_entry):
    """(name, passed, what was seen) for the window's ties to the desktop."""
    with open(desktop_entry, encoding="utf-8") as entry:
        wm_class = re.search(r"^StartupWMClass=(.*)$", entry.read(), re.M).group(1)
    seen_class = xprop(calc.window, "WM_CLASS")
    hints = xprop(calc.window, "_MOTIF_WM_HINTS")
    # flags, functions, decorations: MWM_FUNC_ALL 0x1, MWM_FUNC_MAXIMIZE 0x10,
    # MWM_DECOR_ALL 0x1, MWM_DECOR_MAXIMIZE 0x40.
    values = [int(v, 16) for v in re.findall(r"0x[0-9a-f]+", hints)]
    no_maximise = (len(values) >= 3 and values[0] & 0x3 == 0x3
                   and not values[1] & 0x11 and not values[2] & 0x41)
    return [
        (f"WM_CLASS matches StartupWMClass={wm_class}",
         re.search(rf'= "[^"]*", "{re.escape(wm_class)}"', seen_class) is not None, seen_class),
        ("no maximise button", no_maximise, hints),
    ]


def xprop(window, name):
    return driver.run("xprop", "-id", window, name).strip()


def screen_reader_checks(calc):
    """(name, passed, what was seen): the notice and the results are read out."""
    results = []
    calc.keys("Escape")
    calc.shown.clear()
    calc.type("12+3=")
    calc.expect(calc.main, "15")
    heard = poll_quietly(lambda: calc.notification_shown("15"))
    results.append(("the result after = is read out", heard, calc.shown[:]))

    # The cost function without a number of shares: prompt, input box and notice at once.
    calc.keys("Escape", *["shift+Tab"] * 7, "Return")
    calc.type("10==")
    heard = poll_quietly(lambda: calc.notification_shown("请先输入股票数量"))
    results.append(("the notice is read out as a notification", heard, calc.shown[:]))
    results.append(notice_clear(calc, "请先输入股票数量"))
    calc.screenshot("notice")

    # A paste that is not a price: the longest notice.
    refused = "只能粘贴数字和一个小数点"
    calc.keys("Escape")
    set_clipboard("12.5元")
    calc.keys("ctrl+v")
    heard = poll_quietly(lambda: calc.notification_shown(refused))
    results.append(("a refused paste is read out", heard, calc.shown[:]))
    results.append(notice_clear(calc, refused))
    calc.screenshot("refused-paste")
    return results + function_mark_checks(calc)


def notice_clear(calc, text):
    """The notice covers no control: its extents meet none of theirs."""
    notice = pyatspi.findDescendant(calc.app, lambda a: a is not None and a.name == text)
    place = notice and extents(notice)
    controls = calc.buttons() + [calc.main, calc.input]
    covered = [c.name for c in controls if place is None or overlap(place, extents(c))]
    lowest = max(extents(c)[3] for c in controls)
    return (f"the notice {text} at {place} covers no control (they end at y {lowest})",
            not covered, covered)


def function_mark_checks(calc):
    """The selected function's button is checked, and the change is heard."""
    button = pyatspi.findDescendant(
        calc.app, lambda a: a is not None and a.name == "反弹目标点预测")

    def checked():
        return button.getState().contains(pyatspi.STATE_CHECKED)
    results = []
    calc.keys("Escape")
    calc.shown.clear()
    calc.keys("Tab", "Tab", "Return")
    marked = poll_quietly(checked)
    results.append(("the selected function's button is checked for AT-SPI", marked, checked()))
    heard = poll_quietly(lambda: calc.notification_shown("已选择：反弹目标点预测"))
    results.append(("selecting a function is read out", heard, calc.shown[:]))
    calc.type("20=10=")
    calc.expect(calc.main, "标准反弹:13.75 中级反弹:15 ")
    results.append(("the mark stays after the result", checked(), checked()))
    calc.screenshot("function-marked")
    calc.shown.clear()
    calc.keys("Tab", "Tab", "Return")
    heard = poll_quietly(lambda: calc.notification_shown("已选择：反弹目标点预测"))
    results.append(("selecting it again is read out too", heard, calc.shown[:]))
    calc.keys("Escape")
    cleared = poll_quietly(lambda: not checked())
    results.append(("Esc clears the mark", cleared, checked()))
    heard = poll_quietly(lambda: calc.notification_shown("已退出：反弹目标点预测"))
    results.append(("leaving the function is read out", heard, calc.shown[:]))
    return results


# Ctrl+Alt chords on the us layout: (chord, keys typed before, text after the
# chord and a 5). X11 turns Ctrl+2 to Ctrl+8, Ctrl+/ and Ctrl+[ into control
# characters, which type nothing; Ctrl+Alt with the keypad's + - * / are the
# X server's own (video modes, grabs) and never reach the window.
CHORDS = (
    [(f"ctrl+alt+{d}", "12", f"12{d}5") for d in "019"]
    + [(f"ctrl+alt+{d}", "12", "125") for d in "2345678"]
    + [(f"ctrl+alt+KP_{d}", "12", f"12{d}5") for d in "019"]
    + [(f"ctrl+alt+KP_{d}", "12", "125") for d in "2345678"]
    + [("ctrl+alt+period", "12", "12.5"), ("ctrl+alt+KP_Decimal", "12", "12.5"),
       ("ctrl+alt+plus", "12", " 12+5"), ("ctrl+alt+minus", "12", " 12-5"),
       ("ctrl+alt+asterisk", "12", " 12*5"), ("ctrl+alt+equal", "12+3", "5"),
       ("ctrl+alt+slash", "12", "125"), ("ctrl+alt+bracketleft", "12", "125"),
       ("ctrl+alt+Escape", "12", "125"), ("ctrl+alt+comma", "12", "125")]
    + [(f"ctrl+alt+{k}", "12", "125") for k in ("KP_Add", "KP_Subtract", "KP_Multiply",
                                                 "KP_Divide")]
)


def startup_checks(calc):
    """Before any other key: the focus is on "=", and Return types nothing."""
    focused = poll_quietly(lambda: calc.focused_name() == "=")
    results = [("the focus is on = at start-up", focused, calc.focused_name())]
    calc.keys("Return")
    time.sleep(0.5)
    shown = text_of(calc.main)
    results.append(("Return at start-up types nothing", shown == "", shown))
    return results


def snapshot(calc):
    """What a user sees: both boxes, and which trading button is checked."""
    marked = tuple(b.name for b in calc.buttons()
                   if b.getState().contains(pyatspi.STATE_CHECKED))
    return (text_of(calc.main), text_of(calc.input),
            calc.input.getState().contains(pyatspi.STATE_VISIBLE), marked)


def click(accessible):
    # Qt gives AT-SPI its extents in logical pixels; X places the pointer in
    # the screen's.
    scale = float(os.environ.get("QT_SCALE_FACTOR", "1"))
    x, y, right, bottom = (round(v * scale) for v in extents(accessible))
    xdotool("mousemove", str((x + right) // 2), str((y + bottom) // 2), "click", "1")


def action_checks(calc):
    """Each button's first accessible action (what a screen reader's
    "activate" does) against a click on it, after 12+3; and 反弹's again on
    the selected function."""
    results = []
    rows = [("12+3", button) for button in calc.buttons()]
    rows.append((None, next(b for b in calc.buttons() if b.name == "反弹目标点预测")))
    for typed, button in rows:
        outcomes = []
        for activate in (lambda: button.queryAction().doAction(0), lambda: click(button)):
            calc.keys("Escape")
            if typed:
                calc.type(typed)
            else:
                calc.keys("Tab", "Tab", "Return")
            calc.expect(calc.main, " 12+3" if typed else "输入相对顶点价格：             ")
            before = snapshot(calc)
            activate()
            changed = poll_quietly(lambda: snapshot(calc) != before) or typed is None
            time.sleep(0.1)
            outcomes.append((changed, snapshot(calc)))
        action = button.queryAction().getName(0)
        name = f"{action} on {button.name} {'after ' + typed if typed else 'when selected'}"
        results.append((f"{name} does what a click does", outcomes[0] == outcomes[1]
                        and outcomes[0][0], outcomes))
    return results


def numlock_off_checks(calc):
    """100+, then keypad 1 2 . 5 and Enter with Num Lock off, and with Shift
    held and Num Lock on: the keypad keys neither type nor move the focus, a
    notice says why, Enter adds."""
    results = []
    xkb.numlock_off()
    for name in ("us", "de"):
        with xkb.layout(name):
            calc.keys("Escape")
            calc.shown.clear()
            calc.type("100+")
            calc.keys("KP_End", "KP_Down", "KP_Delete", "KP_Begin")
            heard = poll_quietly(lambda: calc.notification_shown("请按 Num Lock 打开小键盘"))
            results.append((f"{name}: keypad keys with Num Lock off give a notice", heard,
                             calc.shown[:]))
            stayed = poll_quietly(lambda: calc.focused_name() == "=")
            results.append((f"{name}: and leave the focus on =", stayed, calc.focused_name()))
            results.append(notice_clear(calc, "请按 Num Lock 打开小键盘"))
            calc.screenshot(f"numlock-off-{name}")
            calc.keys("KP_Enter")
            shown = calc.expect(calc.main, "200")
            results.append((f"{name}: keypad Enter then adds", shown is None, shown))
    # With Num Lock on, Shift turns the keypad into the same navigation keys.
    xkb.numlock_on()
    calc.keys("Escape")
    calc.shown.clear()
    calc.type("100+")
    calc.keys("shift+KP_1", "shift+KP_2", "shift+KP_Decimal", "shift+KP_5")
    heard = poll_quietly(lambda: calc.notification_shown("请松开 Shift 再按小键盘"))
    results.append(("Shift + keypad with Num Lock on gives its notice", heard, calc.shown[:]))
    calc.screenshot("keypad-shift")
    calc.keys("KP_Enter")
    shown = calc.expect(calc.main, "200")
    results.append(("and keypad Enter then adds", shown is None, shown))
    return results


def chord_checks(calc):
    """(name, passed, what was seen) for each Ctrl+Alt chord."""
    results = []
    xkb.numlock_on()
    for chord, before, wanted in CHORDS:
        calc.keys("Escape")
        calc.type(before)
        calc.keys(chord, "5")
        shown = calc.expect(calc.main, wanted)
        results.append((f"{before} {chord} 5 shows {wanted!r}", shown is None, shown))
    return results


# The keypad's decimal key types "," on some layouts, "." on others; either
# is the point. The main keyboard's comma is ignored.
LAYOUTS = [("de", "KP_Separator"), ("fr", "KP_Decimal"), ("ru", "KP_Separator"),
           ("it", "KP_Decimal"), ("br", "KP_Separator")]


def layout_checks(calc):
    """(name, passed, what was seen) on other keyboard layouts, Num Lock on."""
    results = []
    xkb.numlock_on()
    for name, decimal in LAYOUTS:
        with xkb.layout(name):
            calc.keys("Escape", "KP_1", "KP_2", decimal, "KP_5")
            shown = calc.expect(calc.main, "12.5")
            results.append((f"{name}: keypad 1 2 {decimal} 5 shows 12.5", shown is None, shown))
            calc.keys("Escape")
            calc.type("12,5")
            shown = calc.expect(calc.main, "125")
            results.append((f"{name}: the main keyboard's comma is ignored", shown is None, shown))
    calc.screenshot("keypad-point")
    return results


def paste_freeze_check(calc):
    """Three Ctrl+V against a clipboard owner that hangs cost one wait: the
    presses made during the wait are dropped, the 7 typed after them shows."""
    calc.keys("Escape")
    owner = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard", "-i"],
                             stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
    owner.stdin.write(b"12")
    owner.stdin.close()
    time.sleep(0.5)
    os.kill(owner.pid, signal.SIGSTOP)
    try:
        start = time.monotonic()
        calc.keys("ctrl+v", "ctrl+v", "ctrl+v")
        calc.type("7")
        poll("the 7 after three pastes", lambda: read_quietly(calc.main) == "7",
             timeout=3 * FREEZE_PER_PASTE)
        waited = time.monotonic() - start
    finally:
        owner.kill()
        owner.wait()
    return [(f"three pastes against a hung clipboard freeze the window once ({waited:.1f} s)",
             waited < 1.5 * FREEZE_PER_PASTE, waited)]


def read_quietly(accessible):
    """The text, or None while the frozen window answers no AT-SPI call."""
    try:
        return text_of(accessible)
    except Exception:  # pylint: disable=broad-except
        return None


def poll_quietly(read):
    try:
        poll("an event", read, timeout=5)
        return True
    except RuntimeError:
        return False


def main(program, desktop_entry):
    calc = Calculator(program)
    tally = Tally()
    try:
        for name, ok, seen in startup_checks(calc):
            tally.check(name, ok, seen)
        for name, ok, seen in window_checks(calc, desktop_entry):
            tally.check(name, ok, seen)
        for keys, button in TAB_COUNTS:
            calc.keys("Escape", *keys)
            reached = poll_quietly(lambda: calc.focused_name() == button)
            tally.check(f"{' '.join(keys)} from = reaches {button}", reached, calc.focused_name())
        for checks in (screen_reader_checks, action_checks, numlock_off_checks, chord_checks,
                       layout_checks):
            for name, ok, seen in checks(calc):
                tally.check(name, ok, seen)
        for name, steps, display, wanted in scenarios(calc):
            calc.keys("Escape")
            if calc.expect(calc.main, "") is not None:
                raise RuntimeError("Esc did not reset the calculator")
            steps()
            shown = calc.expect(display, wanted)
            calc.screenshot("".join(ch if ch.isalnum() else "-" for ch in name))
            tally.check(f"{name}" if shown is None else f"{name}, wanted {wanted!r}",
                        shown is None, shown)
        for name, ok, seen in paste_freeze_check(calc):
            tally.check(name, ok, seen)
    finally:
        tally.check("Ctrl+Q closes the window", calc.close())
    return tally.end()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
