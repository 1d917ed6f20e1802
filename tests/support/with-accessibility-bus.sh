#!/usr/bin/env bash
# Runs a test program on an X server with an accessibility bus, as on a
# desktop where a screen reader listens: only then does Qt send the
# accessibility events a screen reader announces.
set -euo pipefail
exec dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  launcher=$!
  status=0
  QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 xvfb-run -a "$@" || status=$?
  kill "$launcher" 2>/dev/null || true
  exit "$status"' bash "$@"
