#!/usr/bin/env bash
# Runs a command as on a computer without LibreOffice, and changes nothing
# of this one: in a mount namespace of its own, an empty file that nobody
# may run covers the office program (soffice.bin, and its launcher
# soffice) in each installation the program would find (the standard one,
# and the one the soffice on the PATH leads to). The UNO libraries beside
# them stay, as on a computer where only those the program links against
# are installed. The command runs as the same user, with
# the same process id, so that a caller can wait for it, signal it and
# find its windows.
# Usage: without_office.sh COMMAND [ARGUMENT...]
set -euo pipefail

if [[ ${1:-} == --covered ]]; then
  # Inside the new mount namespace, as its root.
  shift
  uid=$1 gid=$2
  shift 2
  installations=(/usr/lib/libreoffice)
  if launcher=$(command -v soffice); then
    program=$(readlink -f "$launcher")
    installations+=("$(dirname "$(dirname "$program")")")
  fi
  blank=$(mktemp)
  chmod 0644 "$blank"
  for folder in "${installations[@]}"; do
    for program in "$folder/program/soffice.bin" "$folder/program/soffice"; do
      # Once each: a second cover would lie on the first, the blank file.
      if [[ -f $program ]] && ! mountpoint -q "$program"; then
        mount --bind "$blank" "$program"
      fi
    done
  done
  rm -f "$blank" # the covers keep it
  if [[ -x /usr/lib/libreoffice/program/soffice.bin ]] || [[ -x $(command -v soffice || true) ]]; then
    echo "without_office.sh: LibreOffice is still there" >&2
    exit 125
  fi
  if [[ $uid == 0 ]]; then
    exec "$@"
  fi
  # Back to the caller's own user id inside a namespace of its own.
  exec unshare --map-user="$uid" --map-group="$gid" -- "$@"
fi

uid=$(id -u) gid=$(id -g)
if [[ $uid == 0 ]]; then
  exec unshare --mount --propagation private -- bash "$0" --covered 0 0 "$@"
fi
exec unshare --map-root-user --mount -- bash "$0" --covered "$uid" "$gid" "$@"
