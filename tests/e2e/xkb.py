"""The X keyboard's state for the end-to-end checks: NumLock and the layout."""

import contextlib
import ctypes
import ctypes.util
import subprocess

_XKB_USE_CORE_KBD = 0x100


def _x11():
    x11 = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11"))
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    x11.XkbGetIndicatorState.argtypes = [ctypes.c_void_p, ctypes.c_uint,
                                         ctypes.POINTER(ctypes.c_uint)]
    x11.XkbGetNamedIndicator.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_int),
                                         ctypes.POINTER(ctypes.c_int), ctypes.c_void_p,
                                         ctypes.c_void_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    return x11


def numlock_is_on():
    """The Num Lock indicator of the display in $DISPLAY."""
    x11 = _x11()
    display = x11.XOpenDisplay(None)
    try:
        on = ctypes.c_int()
        atom = x11.XInternAtom(display, b"Num Lock", 0)
        x11.XkbGetNamedIndicator(display, atom, None, ctypes.byref(on), None, None)
        return bool(on.value)
    finally:
        x11.XCloseDisplay(display)


def numlock_on():
    """Xvfb starts with Num Lock off, and the keypad then gives KP_End and the
    like; a test of the keypad's digits turns it on first."""
    if not numlock_is_on():
        subprocess.run(["xdotool", "key", "Num_Lock"], check=True)


def numlock_off():
    """The keypad's keys then give KP_End, KP_Down, KP_Delete and the like."""
    if numlock_is_on():
        subprocess.run(["xdotool", "key", "Num_Lock"], check=True)


@contextlib.contextmanager
def layout(name):
    """The keyboard layout `name` (de, fr, ...) for the block, then us again."""
    subprocess.run(["setxkbmap", name], check=True)
    try:
        yield
    finally:
        subprocess.run(["setxkbmap", "us"], check=True)
