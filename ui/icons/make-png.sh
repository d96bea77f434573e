#!/usr/bin/env bash
# Regenerates zorvane.png, the installed copy of the window icon, from the
# hand-drawn zorvane.xpm that the program compiles in. Run it after editing the
# XPM; the window tests check that the two pictures agree pixel for pixel.
set -euo pipefail
cd "$(dirname "$0")"
convert zorvane.xpm -strip PNG8:zorvane.png
