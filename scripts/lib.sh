# What the scripts in this folder share; sourced, it only defines (no cd, no
# installs), so cmake/wine-run can source it from any working directory.
#   ZORVANE_ROOT, ZORVANE_VERSION   the checkout and its version (project())
#   configure PRESET FOLDER         cmake --preset PRESET (binary folder FOLDER)
#   at_exit COMMAND                 runs COMMAND when the script ends (last first)
#   scratch_dir                     makes ZORVANE_SCRATCH, this run's temporary
#                                   folder (removed at exit)
#   start_x_server [WxHxD]          Xvfb on a free display, exports DISPLAY
#   start_session_bus               a private D-Bus session bus, with its own
#                                   XDG_RUNTIME_DIR and XDG_CACHE_HOME
#   start_wine PREFIX [LINGER]      exports the Wine environment for PREFIX,
#                                   makes the prefix and starts a wineserver
#                                   that stays LINGER seconds after the last
#                                   program, or (no LINGER) until the script ends
#   start_wine_session              start_wine in a fresh prefix, with a HOME
#                                   of its own so Wine links no real folder
#   check NAME COMMAND...           runs COMMAND, prints PASS or FAIL NAME and
#                                   counts it; pass NAME and fail NAME count a
#                                   result found otherwise; tally prints
#                                   "N passed, N failed" and fails if any did
#   stage COMMAND...                runs one stage of a long run between two
#                                   lines that say when it starts and ends (a
#                                   shell function run so must return its own
#                                   failure: set -e does not act inside it)
# Each start_ function does its work once per script; a second call is a no-op.
# The callers install what these need (xvfb, dbus, wine64: see packages.sh).

ZORVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd -P)
ZORVANE_VERSION=$(sed -n 's/^project(zorvane VERSION \([0-9.]*\).*/\1/p' "$ZORVANE_ROOT/CMakeLists.txt")
# shellcheck source=scripts/packages.sh
source "$ZORVANE_ROOT/scripts/packages.sh"

# Debian's Wine for 64-bit programs.
ZORVANE_WINE=${ZORVANE_WINE:-/usr/lib/wine/wine64}
ZORVANE_WINESERVER=${ZORVANE_WINESERVER:-/usr/lib/wine/wineserver}

# Afresh where FOLDER holds the build of another source folder (the fuzzer
# and the engine benchmark used to build alone in build-fuzz and build-bench).
configure() {
    local home
    home=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$2/CMakeCache.txt" 2>/dev/null || true)
    if [ -n "$home" ] && [ "$home" != "$ZORVANE_ROOT" ]; then
        cmake --preset "$1" --fresh >/dev/null
    else
        cmake --preset "$1" >/dev/null
    fi
}

zorvane_exit_commands=()
zorvane_run_exit_commands() {
    local i
    for ((i = ${#zorvane_exit_commands[@]} - 1; i >= 0; i--)); do
        eval "${zorvane_exit_commands[i]}" || true
    done
}
at_exit() {
    if [ ${#zorvane_exit_commands[@]} -eq 0 ]; then
        trap zorvane_run_exit_commands EXIT
        trap 'exit 130' INT
        trap 'exit 143' TERM
    fi
    zorvane_exit_commands+=("$1")
}

# Not called in a subshell: the folder would go when the subshell ends.
ZORVANE_SCRATCH=
scratch_dir() {
    [ -n "$ZORVANE_SCRATCH" ] && return 0
    ZORVANE_SCRATCH=$(mktemp -d -t zorvane.XXXXXXXX)
    at_exit 'rm -rf "$ZORVANE_SCRATCH"'
}

# Display numbers from :90 up. Another script may take the same number
# between the scan and the start; the server is ours once the display's lock
# file holds its process id and its socket is there, else the next number is
# tried. -noreset: an X server resets when its last client leaves, and a
# client connecting during the reset fails ("cannot open display"), which
# the short-lived tools and programs of these scripts would keep meeting.
zorvane_xvfb_pid=
zorvane_x_server_ready() {
    [ "$(tr -d ' \n' 2>/dev/null <"/tmp/.X$1-lock")" = "$zorvane_xvfb_pid" ] && [ -e "/tmp/.X11-unix/X$1" ] &&
        # A client can connect (x11-utils, where the script installs it).
        { ! command -v xdpyinfo >/dev/null || DISPLAY=":$1" xdpyinfo >/dev/null 2>&1; }
}
start_x_server() {
    [ -n "$zorvane_xvfb_pid" ] && return 0
    local size=${1:-640x480x24} number=90 tries _
    # Waiting for the server to end frees its display number for the next run.
    at_exit 'kill "$zorvane_xvfb_pid" 2>/dev/null && wait "$zorvane_xvfb_pid" 2>/dev/null || true'
    for tries in $(seq 20); do
        while [ -e "/tmp/.X${number}-lock" ] || [ -e "/tmp/.X11-unix/X${number}" ]; do
            number=$((number + 1))
        done
        Xvfb ":${number}" -screen 0 "$size" -dpi 96 -nolisten tcp -noreset >/dev/null 2>&1 &
        zorvane_xvfb_pid=$!
        for _ in $(seq 500); do
            if zorvane_x_server_ready "$number"; then
                export DISPLAY=":${number}"
                return 0
            fi
            kill -0 "$zorvane_xvfb_pid" 2>/dev/null || break
            sleep 0.02
        done
        kill "$zorvane_xvfb_pid" 2>/dev/null || true
        number=$((number + 1))
    done
    echo "no virtual X server started after $tries tries (Xvfb)" >&2
    return 1
}

# Without folders of its own, the accessibility bus launcher reuses
# ~/.cache/at-spi/bus and two runs on one machine talk to each other's bus.
zorvane_bus_pid=
start_session_bus() {
    [ -n "$zorvane_bus_pid" ] && return 0
    scratch_dir
    mkdir -m 700 "$ZORVANE_SCRATCH/runtime" "$ZORVANE_SCRATCH/cache"
    export XDG_RUNTIME_DIR=$ZORVANE_SCRATCH/runtime XDG_CACHE_HOME=$ZORVANE_SCRATCH/cache
    export DBUS_SESSION_BUS_ADDRESS=unix:path=$XDG_RUNTIME_DIR/bus
    zorvane_bus_pid=$(dbus-daemon --session --fork --print-pid --address="$DBUS_SESSION_BUS_ADDRESS")
    at_exit 'kill "$zorvane_bus_pid" 2>/dev/null || true'
}

# No menu entries on the Linux desktop, no Mono or Gecko prompts, no log. The
# server is started apart from the caller's output: otherwise Wine's
# background services, started by the first program, keep a pipe reading that
# output (CTest's) open until the server ends.
zorvane_wine_started=
start_wine() {
    [ -n "$zorvane_wine_started" ] && return 0
    zorvane_wine_started=1
    export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    mkdir -p "$WINEPREFIX"
    if [ -n "${2:-}" ]; then
        "$ZORVANE_WINESERVER" "-p$2" </dev/null >/dev/null 2>&1 || true
    else
        "$ZORVANE_WINESERVER" -p </dev/null >/dev/null 2>&1 || true
        at_exit '"$ZORVANE_WINESERVER" -k 2>/dev/null || true'
    fi
    "$ZORVANE_WINE" wineboot </dev/null >/dev/null 2>&1
}

start_wine_session() {
    scratch_dir
    mkdir -p "$ZORVANE_SCRATCH/home"
    export HOME=$ZORVANE_SCRATCH/home
    start_wine "$ZORVANE_SCRATCH/wine"
}

# The tally of a script's checks.
zorvane_passed=0
zorvane_failed=0
pass() {
    zorvane_passed=$((zorvane_passed + 1))
    echo "PASS $*"
}
fail() {
    zorvane_failed=$((zorvane_failed + 1))
    echo "FAIL $*"
}
check() {
    local name=$1
    shift
    if "$@"; then pass "$name"; else fail "$name"; fi
}
tally() {
    echo "$zorvane_passed passed, $zorvane_failed failed"
    [ "$zorvane_failed" -eq 0 ]
}

# A long run's stages, each with its start, its end and the time so far.
zorvane_run_start=$SECONDS
stage() {
    local start=$SECONDS status=0
    echo "== $* (started at $(zorvane_clock $((start - zorvane_run_start))))"
    "$@" || status=$?
    local outcome=done
    [ "$status" -eq 0 ] || outcome="FAILED (exit $status)"
    echo "== $* $outcome in $(zorvane_clock $((SECONDS - start))), $(zorvane_clock $((SECONDS - zorvane_run_start))) so far"
    return "$status"
}
zorvane_clock() { printf '%d:%02d' $(($1 / 60)) $(($1 % 60)); }
