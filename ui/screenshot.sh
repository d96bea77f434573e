#!/usr/bin/env bash
# Takes a PNG picture of the Zorvane window: starts the built program on a
# virtual X server, waits for its window, clicks the rebound button and the
# price 12.5 so that the prompt and the input box show, and saves the window's
# client area.
#
#   ui/screenshot.sh [program] [picture]
#
# Defaults: build/app/zorvane and docs/zorvane.png. Needs xvfb, xdotool and
# ImageMagick.
set -euo pipefail

if [ "${1:-}" = "--inside-x-server" ]; then
    # Second stage, on the virtual server: the window is found by its title.
    "$2" &
    app=$!
    trap 'kill "$app" 2>/dev/null || true' EXIT
    window=$(timeout 20 xdotool search --sync --name '^Zorvane$' | head -n 1)
    sleep 1 # let the first paint land
    # Centres of the buttons 反弹, 1, 2, "." and 5, in pixels.
    for spot in "96 80" "56 264" "104 264" "104 304" "104 216"; do
        # shellcheck disable=SC2086 # two coordinates
        xdotool mousemove --window "$window" $spot click 1
        sleep 0.2
    done
    import -window "$window" "$3"
    exit 0
fi

cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/app/zorvane}")
picture=${2:-docs/zorvane.png}
mkdir -p "$(dirname "$picture")"
picture=$(realpath "$picture")

QT_QPA_PLATFORM=xcb xvfb-run --auto-servernum --server-args='-screen 0 640x480x24 -dpi 96' \
    "$(realpath "$0")" --inside-x-server "$program" "$picture"
echo "Saved $picture"
