#!/usr/bin/env bash
# Builds Punchwell and runs every test through CTest on Qt's offscreen platform.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

"$top/scripts/setup.sh"

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$top/build" --output-on-failure -j2
