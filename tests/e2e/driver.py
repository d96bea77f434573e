"""What the end-to-end scripts share: the calculator's window on an X server
typed at with real key events (xdotool), polling, the X clipboard and the
tally of checks. keyboard.py reads the window through AT-SPI, wine.py through
the program's own Ctrl+C."""

import subprocess
import time

TIMEOUT = 10.0


def run(*args, **kwargs):
    return subprocess.run(args, check=True, capture_output=True, text=True, **kwargs).stdout


def xdotool(*args):
    return run("xdotool", *args)


def poll(what, read, timeout=TIMEOUT, between=lambda: None):
    """Polls read() every 20 ms until it gives something truthy; between()
    runs before each read (to let events reach their listeners)."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        between()
        value = read()
        if value:
            return value
        time.sleep(0.02)
    raise RuntimeError(f"timed out waiting for {what}")


def clipboard():
    # An owner that never answers (a program whose copy offers no format)
    # would hold xclip for ever: give up and report nothing copied.
    try:
        return subprocess.run(["xclip", "-o", "-selection", "clipboard"],
                              capture_output=True, text=True, timeout=5).stdout
    except subprocess.TimeoutExpired:
        return ""


def set_clipboard(text):
    subprocess.run(["xclip", "-selection", "clipboard", "-i"], input=text, text=True, check=True)


class Window:
    """The calculator started as COMMAND, its window found by its title and
    focused; keys and text go to it as real X key events."""

    def __init__(self, command, timeout=TIMEOUT, key_delay=30, type_delay=40):
        # Not on the caller's output: a program left running would hold it open.
        self.process = subprocess.Popen(command, stdout=subprocess.DEVNULL)
        self.key_delay, self.type_delay = str(key_delay), str(type_delay)

        def search():
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Zorvane$"],
                                   capture_output=True, text=True).stdout.split()
            return found[0] if found else None
        self.window = poll("the Zorvane window", search, timeout=timeout)
        xdotool("windowfocus", "--sync", self.window)

    def keys(self, *names):
        xdotool("key", "--delay", self.key_delay, *names)

    def type(self, text):
        xdotool("type", "--delay", self.type_delay, text)

    def size(self):
        return xdotool("getwindowgeometry", self.window).split("Geometry:")[1].strip()

    def picture(self, png):
        run("import", "-window", self.window, png)

    def close(self):
        """Ctrl+Q must end the program; a program that stays is killed."""
        self.keys("ctrl+q")
        try:
            self.process.wait(timeout=TIMEOUT)
            return True
        except subprocess.TimeoutExpired:
            self.process.kill()
            return False


class Tally:
    """Counts and prints each check as PASS or FAIL; ends with the closing
    line "N passed, N failed"."""

    def __init__(self):
        self.passed = self.failed = 0

    def check(self, name, ok, seen=None):
        if ok:
            self.passed += 1
            print(f"PASS {name}")
        else:
            self.failed += 1
            print(f"FAIL {name}: saw {seen!r}")
        return ok

    def end(self):
        print(f"{self.passed} passed, {self.failed} failed")
        return 1 if self.failed else 0
