#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install` into a scratch prefix gives a program that runs from
# there: its files where the desktop looks for them, a menu entry and
# metainfo that pass their validators, icons of the sizes they claim, control
# plugins whose libraries are found, --version and --help without a display,
# and a first start from a read-only prefix that keeps the player list in
# the user's data folder and leaves the prefix as it was.
#   install_test.sh BUILD_DIR VERSION APP_ID
# Exits 77 (skipped) where it cannot run; in CI (CI=true) that fails instead.
set -euo pipefail
build=$1 version=$2 id=$3
here=$(dirname "$0")
source "$here/firststart.sh"

for tool in desktop-file-validate appstreamcli identify; do
  command -v $tool >/dev/null || skip "$tool is not installed (scripts/setup installs it)"
done

work=$(mktemp -d)
prefix=$work/prefix
locked=()
finish() {
  for dir in "${locked[@]}"; do chattr -i "$dir" 2>/dev/null || true; done
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT

cmake --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; fail "cmake --install"; }

# Where the desktop and the program look.
for file in bin/staverly share/staverly/staverly_help.htm share/staverly/images/t60.gif \
  share/staverly/images/b24.gif share/staverly/images/t_piano.gif \
  share/staverly/translations/staverly_de.qm share/staverly/translations/staverly_pt_BR.qm \
  "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
  "share/icons/hicolor/scalable/apps/$id.svg"; do
  [[ -f "$prefix/$file" ]] || fail "$file is not installed"
done
# Each staff picture at one and two device pixels a point, and two keyboards.
[[ $(find "$prefix/share/staverly/images" -name '*.gif' | wc -l) -eq 194 ]] || fail "not every staff picture is installed"
for size in 16 24 32 48 64 128 256; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
  [[ "$(identify -format '%wx%h' "$png")" == "${size}x${size}" ]] || fail "$png is not ${size}x${size}"
done
plugins=$(find "$prefix" -path '*/staverly/controls/*' | sort)
[[ "$(xargs -n1 basename <<<"$plugins" | tr '\n' ' ')" == "liblumetraplugin.so libpianoplugin.so " ]] ||
  fail "control plugins: $plugins"
for plugin in $plugins; do
  ! ldd "$plugin" | grep -q 'not found' || { ldd "$plugin"; fail "$plugin cannot be loaded"; }
done
! find "$prefix" -name '*.so' -type l | grep -q . || fail "a development symlink is installed"
[[ ! -e "$prefix/bin/staverly-build-folder" ]] || fail "the build folder's marker is installed"

desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"

# Answered in a terminal with no display at all.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config" \
  "$prefix/bin/staverly" --version) || fail "--version"
[[ "$out" == "Staverly $version" ]] || fail "--version printed: $out"
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$work/home" XDG_DATA_HOME= XDG_CONFIG_HOME="$work/home/.config" \
  "$prefix/bin/staverly" --help) || fail "--help"
[[ "$out" == "Usage: $prefix/bin/staverly [options]"* && "$out" == *--version* ]] || fail "--help printed: $out"
[[ "$out" == *"Pictures and help:          $prefix/share/staverly"* ]] || fail "--help names another program folder: $out"
[[ "$out" == *"Player list and grade log:  $work/home/.local/share/staverly"* ]] || fail "--help names another data folder: $out"

# Shared by every account: nobody can write in it, not even root.
chmod -R a-w "$prefix"
if [[ $(id -u) -eq 0 ]]; then
  while IFS= read -r dir; do
    chattr +i "$dir" 2>/dev/null && locked+=("$dir")
  done < <(find "$prefix" -type d)
fi
touch "$prefix/bin/probe" 2>/dev/null && skip "this machine cannot make a folder unwritable"
before=$(find "$prefix" -printf '%p %s %T@\n' | sort)

first_start "$prefix/bin/staverly" "$work"
[[ "$(find "$prefix" -printf '%p %s %T@\n' | sort)" == "$before" ]] || fail "the first start changed the prefix"
echo "installed in $prefix: $(du -sk "$prefix" | cut -f1) KiB; first start kept its files in $DATA"
