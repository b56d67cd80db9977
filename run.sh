#!/usr/bin/env bash
# Installs what is missing, builds, and runs the wizard under Wine in a demo
# prefix, with stand-ins for the companion programs. On a real display
# ($DISPLAY reachable) you use it yourself; otherwise it runs headless on a
# virtual screen, walks the pages with the keyboard and saves a screenshot of
# each in build/demo/.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
tools/build.sh
exec tools/demo.sh "$@"
