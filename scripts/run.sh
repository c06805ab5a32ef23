#!/usr/bin/env bash
# Starts the program, or explains how to when there is no display to show it on.
set -euo pipefail
program="$1"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "There is no display here (neither DISPLAY nor WAYLAND_DISPLAY is set)."
    echo "Start the program on a virtual display instead:"
    echo "    xvfb-run -a -s '-screen 0 1280x1024x24' $program"
    exit 1
fi
exec "$program"
