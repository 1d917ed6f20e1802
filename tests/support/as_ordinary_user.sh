#!/usr/bin/env bash
# Runs a test as an ordinary user when root runs it (as CI does), so that
# the program is tried as most people run it: without root's rights, whose
# offices the system may give less (no user namespace, say), and with
# folders of its own. The user is nobody (65534), with a home, settings,
# cache, runtime and temporary folder in one new folder of its own (mode
# 0700), removed afterwards. Run by anyone else the test already runs as an
# ordinary user: it is skipped here (exit 77).
# Usage: as_ordinary_user.sh TEST [ARGUMENT...]
set -euo pipefail

user=65534
if [[ $(id -u) != 0 ]]; then
  echo "as_ordinary_user.sh: already run by an ordinary user (uid $(id -u)): nothing more to try"
  exit 77
fi

home=$(mktemp -d "${TMPDIR:-/tmp}/tessaline-ordinary-user-XXXXXX")
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/.config" "$home/.cache" "$home/.local/share" "$home/runtime" "$home/tmp"
chown -R "$user:$user" "$home"
chmod -R 0700 "$home"

status=0
setpriv --reuid="$user" --regid="$user" --clear-groups \
  env HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache" \
  XDG_DATA_HOME="$home/.local/share" XDG_RUNTIME_DIR="$home/runtime" TMPDIR="$home/tmp" \
  bash -c '
    # The rows count only when they ran as that user.
    if [[ $(id -u) != "$0" || $(id -ru) != "$0" ]]; then
      echo "as_ordinary_user.sh: runs as uid $(id -u), not $0" >&2
      exit 1
    fi
    echo "as_ordinary_user.sh: running as uid $(id -u)"
    exec "$@"' "$user" "$@" || status=$?
exit "$status"
