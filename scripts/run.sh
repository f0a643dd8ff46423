#!/usr/bin/env bash
# Sets Varnesk up (see setup.sh) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh run
# Chromium refuses to run as root with its sandbox on.
if [ "$(id -u)" -eq 0 ]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
exec build/bin/varnesk
