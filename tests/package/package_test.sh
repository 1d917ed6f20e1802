#!/usr/bin/env bash
# The Debian package as apt would get it: built by CPack from the install
# rules; its files and Depends; the installed program run from elsewhere;
# its desktop entry, metadata, manual page and completion checked by their
# own tools where the machine has them.
# Arguments: the build folder, the list of expected files, a work folder.
set -euo pipefail
build=$1 expected=$2 work=$3
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

rm -rf "$work" && mkdir -p "$work"
if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  exit 1
fi
deb=$(echo "$work"/tessaline_*.deb)
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"

dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | LC_ALL=C sort >"$work/files"
diff -u "$expected" "$work/files" || fail "the package's files are not the expected ones"

# What the program needs beside its libraries: the office that it starts,
# the fonts that the letter is laid out with and a spelling dictionary.
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libreoffice-writer-nogui libreoffice-draw-nogui libreoffice-calc-nogui fonts-liberation2 fonts-noto-cjk hunspell-en-us bubblewrap qt6-translations-l10n libcsv3 libhunspell-1.7-0 libqt6widgets6 libuno-cppu3; do
  grep -Eq "(^|[ ,|])$needed([ ,(]|$)" <<<"$depends" || fail "Depends lacks $needed"
done

root=$work/root
dpkg-deb -x "$deb" "$root"
program=$root/usr/bin/tessaline
version=$(cd / && env -u DISPLAY "$program" --version) || fail "the installed program does not run"
[[ $version == "Tessaline $(dpkg-deb -f "$deb" Version)" ]] || fail "the program says '$version'"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$root/usr/share/applications/tessaline.desktop" || fail "desktop entry"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$root"/usr/share/metainfo/*.xml || fail "AppStream metadata"
fi
if command -v man >/dev/null; then
  for page in "$root"/usr/share/man/man1/tessaline.1.gz "$root"/usr/share/man/*/man1/tessaline.1.gz; do
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
      man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [[ -z $warnings ]] || fail "manual page ${page#"$root"}: $warnings"
  done
fi

# The completion offers exactly the options that --help lists, and the
# formats after --format.
if [[ -f /usr/share/bash-completion/bash_completion ]]; then
  complete_line() {
    bash -c 'source /usr/share/bash-completion/bash_completion; source "$1"
             read -ra COMP_WORDS <<<"$2"; [[ $2 == *" " ]] && COMP_WORDS+=("")
             COMP_CWORD=$((${#COMP_WORDS[@]} - 1)) COMP_LINE=$2 COMP_POINT=${#2}
             _tessaline; printf "%s\n" "${COMPREPLY[@]}" | sort' \
      _ "$root/usr/share/bash-completion/completions/tessaline" "$1"
  }
  listed=$("$program" --help | grep -oE '^ +(-[a-z], )?--[a-z-]+' | grep -oE -- '--[a-z-]+' | sort)
  [[ $(complete_line "tessaline --") == "$listed" ]] || fail "completion of options: $(complete_line "tessaline --")"
  [[ $(complete_line "tessaline --format doc,") == $'doc,doc\ndoc,docx\ndoc,odt\ndoc,pdf' ]] \
    || fail "completion of --format: $(complete_line "tessaline --format doc,")"
fi
exit $failed
