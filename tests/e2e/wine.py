"""Drives the Windows zorvane.exe under Wine on a virtual X server: types with
real X key events (xdotool), which Wine hands to the program as Windows key
messages, and reads the main display through the program's own copy (Ctrl+C),
which lands on the X clipboard. Run by scripts/check-windows with WINEPREFIX
and DISPLAY set.
    wine.py EXE                    the keyboard scenarios (the German keypad's
                                   point too) and Ctrl+Q
    wine.py --picture PNG EXE      a picture of the window with a rebound prompt"""

import subprocess
import sys
import time

import xkb

WINE = "/usr/lib/wine/wine64"
TIMEOUT = 20.0


def run(*args, **kwargs):
    return subprocess.run(args, check=True, capture_output=True, text=True, **kwargs).stdout


def poll(what, read, timeout=TIMEOUT):
    """Polls read() every 20 ms until it gives something truthy."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = read()
        if value:
            return value
        time.sleep(0.02)
    raise RuntimeError(f"timed out waiting for {what}")


def clipboard():
    return subprocess.run(["xclip", "-o", "-selection", "clipboard"],
                          capture_output=True, text=True).stdout


class Calculator:
    def __init__(self, exe):
        self.process = subprocess.Popen([WINE, exe])

        def search():
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Zorvane$"],
                                   capture_output=True, text=True).stdout.split()
            return found[0] if found else None
        self.window = poll("the Zorvane window", search, timeout=60)
        run("xdotool", "windowfocus", "--sync", self.window)
        time.sleep(0.5)

    def keys(self, *names):
        run("xdotool", "key", "--delay", "40", *names)

    def type(self, text):
        run("xdotool", "type", "--delay", "60", text)

    def copied(self, wanted):
        """What Ctrl+C puts on the clipboard, polled until it is wanted or time is up."""
        subprocess.run(["xclip", "-selection", "clipboard", "-i"], input="(nothing copied)",
                       text=True, check=True)
        self.keys("ctrl+c")
        try:
            return poll(repr(wanted), lambda: clipboard() == wanted and wanted, timeout=5)
        except RuntimeError:
            return clipboard()

    def size(self):
        geometry = run("xdotool", "getwindowgeometry", self.window)
        return geometry.split("Geometry:")[1].strip()

    def maximisable(self):
        """Whether Wine offers the window manager a maximise box (Motif hints
        made from the window's WS_MAXIMIZEBOX)."""
        hints = run("xprop", "-id", self.window, "_MOTIF_WM_HINTS").split("=")[1].split(",")
        functions, decorations = int(hints[1], 16), int(hints[2], 16)
        return bool(functions & 0x10 or decorations & 0x40)

    def close(self):
        """Ctrl+Q must end the program; a program that stays is killed."""
        self.keys("ctrl+q")
        try:
            self.process.wait(timeout=TIMEOUT)
            return True
        except subprocess.TimeoutExpired:
            self.process.kill()
            return False


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


def main(exe):
    calc = Calculator(exe)
    print(f"window mapped, {calc.size()}")
    passed = failed = 0
    if calc.maximisable():
        failed += 1
        print("FAIL the fixed-size window has a maximise box")
    else:
        passed += 1
        print("PASS the fixed-size window has no maximise box")
    try:
        for name, steps, wanted in scenarios(calc):
            calc.keys("Escape")
            steps()
            copied = calc.copied(wanted.rstrip(" "))
            if copied == wanted.rstrip(" "):
                passed += 1
                print(f"PASS {name}: copied {copied!r}")
            else:
                failed += 1
                print(f"FAIL {name}: copied {copied!r}, wanted {wanted.rstrip(' ')!r}")
        name, ok, copied = keypad_point(calc)
        passed, failed = (passed + 1, failed) if ok else (passed, failed + 1)
        print(f"{'PASS' if ok else 'FAIL'} {name}: copied {copied!r}, wanted '12.5'")
    finally:
        if calc.close():
            passed += 1
            print("PASS Ctrl+Q closes the window")
        else:
            failed += 1
            print("FAIL Ctrl+Q closes the window")
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


def picture(png, exe):
    """The window as docs/zorvane.png shows it: rebound chosen, 12.5 typed."""
    calc = Calculator(exe)
    calc.keys("Escape", "Tab", "Tab", "Return")
    calc.type("12.5")
    time.sleep(1)
    run("import", "-window", calc.window, png)
    print(f"{png}: window {calc.size()}")
    calc.close()


if __name__ == "__main__":
    if sys.argv[1] == "--picture":
        picture(sys.argv[2], sys.argv[3])
    else:
        sys.exit(main(sys.argv[1]))
