#!/usr/bin/env bash
# Takes PNG pictures of the Zorvane window for the documentation: starts the
# built program on a virtual X server once per picture, clicks the buttons of
# one use, and saves the window's client area.
#
#   ui/screenshot.sh [program] [folder]
#
# Defaults: build-release/app/zorvane and docs. Writes to the folder:
#   zorvane.png    the rebound function with the price 12.5 typed
#   rebound.png    rebound, 20 then 10
#   pullback.png   pullback, 20 then 10
#   sell-off.png   sell-off, 10
#   cost.png       round-trip cost, price 10 and 1000 shares
# Needs xvfb, xdotool and ImageMagick.
set -euo pipefail

# Centres of the buttons in the window, in pixels.
declare -A spot=(
    [反弹]="96 80" [回调]="240 80" [出货]="96 120" [成本]="240 120" [=]="236 304"
    [0]="56 304" [1]="56 264" [2]="104 264" [3]="152 264" [4]="56 216" [5]="104 216"
    [6]="152 216" [7]="56 168" [8]="104 168" [9]="152 168" [.]="104 304"
)
pictures=(
    "zorvane.png:反弹 1 2 . 5"
    "rebound.png:反弹 2 0 = 1 0 ="
    "pullback.png:回调 2 0 = 1 0 ="
    "sell-off.png:出货 1 0 ="
    "cost.png:成本 1 0 = 1 0 0 0 ="
)

if [ "${1:-}" = "--inside-x-server" ]; then
    # Second stage, on the virtual server: the window is found by its title.
    program=$2
    folder=$3
    for picture in "${pictures[@]}"; do
        "$program" &
        app=$!
        window=$(timeout 20 xdotool search --sync --name '^Zorvane$' | head -n 1)
        sleep 1 # let the first paint land
        for button in ${picture#*:}; do
            # shellcheck disable=SC2086 # two coordinates
            xdotool mousemove --window "$window" ${spot[$button]} click 1
            sleep 0.2
        done
        import -window "$window" "$folder/${picture%%:*}"
        kill "$app"
        wait "$app" 2>/dev/null || true
    done
    exit 0
fi

cd "$(dirname "$0")/.."
program=$(realpath "${1:-build-release/app/zorvane}")
folder=${2:-docs}
mkdir -p "$folder"
folder=$(realpath "$folder")

QT_QPA_PLATFORM=xcb xvfb-run --auto-servernum --server-args='-screen 0 640x480x24 -dpi 96' \
    "$(realpath "$0")" --inside-x-server "$program" "$folder"
for picture in "${pictures[@]}"; do echo "Saved $folder/${picture%%:*}"; done
