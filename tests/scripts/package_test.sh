#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `cpack -G DEB` from the build folder makes a package that depends on
# Debian's runtime packages by their real names, holds the program's files
# under /usr and nothing of the build, and, unpacked into a scratch root,
# has its menu entry, icon and metainfo in place and starts for a first time.
# lintian finds no error and no warning in it, its menu entry and metainfo
# pass their validators, and its binaries are built with Debian's hardening.
#   package_test.sh BUILD_DIR VERSION APP_ID
# Exits 77 (skipped) where it cannot run; in CI (CI=true) that fails instead.
set -euo pipefail
build=$1 version=$2 id=$3
here=$(dirname "$0")
source "$here/firststart.sh"

for tool in cpack dpkg-deb dpkg-shlibdeps lintian desktop-file-validate appstreamcli readelf; do
  command -v $tool >/dev/null || skip "$tool is not installed (scripts/setup installs it)"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/out") >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(find "$work/out" -maxdepth 1 -name '*.deb')
[[ "$(basename "$deb")" == "staverly_${version}-1_$(dpkg --print-architecture).deb" ]] || fail "package file: $deb"

field() { dpkg-deb --field "$deb" "$1"; }
[[ "$(field Package)" == staverly && "$(field Version)" == "$version-1" ]] || fail "name and version"
[[ "$(field Section)" == education ]] || fail "section: $(field Section)"
depends=$(field Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6sql6-sqlite librtmidi6 libfluidsynth3 timgm6mb-soundfont \
  fonts-liberation fonts-comic-neue; do
  [[ ", $depends," == *", $needed"[\ ,]* ]] || fail "Depends lacks $needed: $depends"
done
# Every package it names is one Debian has: each is installed here.
for dependency in $(tr ',' '\n' <<<"$depends" | sed 's/|.*//; s/(.*//'); do
  dpkg-query -W -f='${Status}' "$dependency" 2>/dev/null | grep -q 'install ok installed' ||
    fail "Depends names $dependency, which is not a package installed here"
done

# Only the program's files, under /usr, stripped of their debugging data.
contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
! grep -v '^\./usr/' <<<"$contents" | grep -v '^\./$' | grep -q . || fail "files outside /usr"
! grep -Eq '_test|_bench|staffpics|soundgen|\.a$|/include/' <<<"$contents" || fail "build tools or tests packed"
mkdir "$work/root"
dpkg-deb -x "$deb" "$work/root"
usr=$work/root/usr
for file in bin/staverly share/staverly/staverly_help.htm share/staverly/images/t60.gif \
  share/staverly/translations/staverly_fr.qm \
  "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
  "share/icons/hicolor/scalable/apps/$id.svg" "share/icons/hicolor/48x48/apps/$id.png"; do
  [[ -f "$usr/$file" ]] || fail "$file is not in the package"
done
! readelf -S "$usr/bin/staverly" | grep -q '\.debug_info' || fail "the program is not stripped"
for file in bin/staverly share/doc/staverly/copyright share/doc/staverly/changelog.Debian.gz share/man/man1/staverly.1.gz; do
  [[ -f "$usr/$file" ]] || fail "$file is not in the package"
done
[[ "$(head -n1 "$usr/share/doc/staverly/copyright")" == "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ]] ||
  fail "the copyright file is not machine-readable"
# The manual page names every option --help does.
help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LANG=C HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config" "$usr/bin/staverly" --help) || fail "--help"
manual=$(zcat "$usr/share/man/man1/staverly.1.gz" | sed 's/\\-/-/g')
for option in $(grep -oE '(^| )--?[a-z?]+' <<<"$help" | tr -d ' '); do
  [[ "$manual" == *"$option"* ]] || fail "the manual page does not name $option"
done

# Debian's hardening: stack protector, full RELRO with BIND_NOW. FORTIFY
# leaves a mark only where the compiler could prove a buffer's size, which
# no call in this program lets it, so it is not looked for here.
for elf in "$usr/bin/staverly" $(find "$usr/lib" -type f -name '*.so*'); do
  readelf -lW "$elf" | grep -q GNU_RELRO || fail "$elf has no RELRO"
  readelf -dW "$elf" | grep -Eq 'BIND_NOW|FLAGS.*NOW' || fail "$elf is not bound at once (BIND_NOW)"
done
symbols=$(readelf -sW --dyn-syms "$usr/bin/staverly")
grep -q __stack_chk_fail <<<"$symbols" || fail "the program has no stack protector"
! readelf -dW "$usr/bin/staverly" | grep -q TEXTREL || fail "the program has text relocations"

desktop-file-validate "$usr/share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
# No error and no warning; information and pedantic tags do not count.
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 ||
  { cat "$work/lintian.log"; fail "lintian"; }
grep -E '^[EW]: ' "$work/lintian.log" && fail "lintian"
! grep -q 'staverly-build-folder' <<<"$contents" || fail "the build folder's marker is packed"
[[ "$(grep '^Icon=' "$usr/share/applications/$id.desktop")" == "Icon=$id" ]] || fail "the menu entry names another icon"

out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config" \
  "$usr/bin/staverly" --version) || fail "--version"
[[ "$out" == "Staverly $version" ]] || fail "--version printed: $out"
first_start "$usr/bin/staverly" "$work"
[[ -z "$(find "$work/root" -newer "$deb" -name '*.txt')" ]] || fail "the first start wrote into the unpacked tree"
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes, $(wc -l <<<"$contents") entries; Depends: $depends"
