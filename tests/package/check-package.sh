#!/usr/bin/env bash
# The Debian package as a radio amateur gets it: built from a Release build, checked by lintian,
# unpacked into a scratch folder, its desktop entry and AppStream metadata validated, and the
# installed program started from there, offscreen, showing its main window.
#
#   check-package.sh SOURCE_DIR PACKAGE_BUILD_DIR own|current VERSION SCRATCH_DIR [CMAKE ARGS...]
#
# "own": configure and build a Release build of the program in PACKAGE_BUILD_DIR first, with the
# CMake arguments given (generator, compiler). "current": PACKAGE_BUILD_DIR is already an
# up-to-date Release build without sanitizers, packaged as it is.
set -euo pipefail

source_dir=$1 build_dir=$2 mode=$3 version=$4 scratch=$5
shift 5

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
step() { echo "== $*"; }

for tool in cpack dpkg-deb dpkg-shlibdeps dpkg-parsechangelog lintian desktop-file-validate \
            appstreamcli file readelf timeout; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool (./build.sh test installs it)" >&2; exit 1; }
done

if [ "$mode" = own ]; then
  step "Release build in $build_dir"
  started=$SECONDS
  cmake -S "$source_dir" -B "$build_dir" "$@" -DCMAKE_BUILD_TYPE=Release \
        -DVELSARINO_TESTS=OFF -DVELSARINO_SANITIZE=OFF > "$build_dir.configure.log" 2>&1 \
    || { cat "$build_dir.configure.log"; exit 1; }
  cmake --build "$build_dir" -j "$(nproc)" > "$build_dir.build.log" 2>&1 \
    || { tail -n 50 "$build_dir.build.log"; exit 1; }
  echo "   built in $((SECONDS - started)) s"
fi

step "cpack -G DEB"
rm -f "$build_dir"/velsarino_*.deb
(cd "$build_dir" && cpack -G DEB > cpack.log 2>&1) || { cat "$build_dir/cpack.log"; exit 1; }
debs=("$build_dir"/velsarino_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "cpack made no single velsarino .deb" >&2; exit 1; }
deb=${debs[0]}
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "velsarino_${version}_${arch}.deb" ] || fail "package file named $(basename "$deb")"
dpkg-deb -I "$deb" | sed -n '/^ [A-Z]/p'

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = velsarino ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), the project is $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture: $(field Architecture)"

step "unpacking into $scratch/root"
rm -rf "$scratch"
mkdir -p "$scratch/root"
dpkg-deb -x "$deb" "$scratch/root"
root=$scratch/root
program=$root/usr/bin/velsarino
[ -x "$program" ] || { echo "no usr/bin/velsarino in the package" >&2; exit 1; }

step "dependencies"
depends=" $(field Depends | sed 's/([^)]*)//g; s/ //g; s/,/ /g') "
depends_on() { [[ "$depends" == *" $1 "* ]]; }
# What the program loads at run time without linking to it: Qt's Italian texts for its own
# buttons, and the font its windows were laid out for.
for package in qt6-translations-l10n fonts-liberation2; do
  depends_on "$package" || fail "Depends lacks $package"
done
# Every library the program links to must come with a package it depends on, and a sanitizer
# runtime must not be among them (that would be a test build packaged by mistake).
while read -r soname; do
  owners=$(dpkg -S "*/$soname" 2>/dev/null | sed -n 's/: \/.*//p' | tr ',' '\n' | sed 's/^ *//; s/:.*//' | sort -u)
  [ -n "$owners" ] || { fail "no installed package ships $soname"; continue; }
  found=
  for owner in $owners; do depends_on "$owner" && found=$owner; done
  [ -n "$found" ] || fail "$soname comes from $(echo $owners), which Depends does not name"
done < <(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
case "$depends" in
  *libasan*|*libubsan*|*libtsan*) fail "Depends names a sanitizer runtime: $depends" ;;
esac

step "lintian"
# Warnings count as failures too: they are what a Debian user's tools complain about.
status=0
lintian --fail-on error,warning --info "$deb" > "$scratch/lintian.log" 2>&1 || status=$?
grep -v 'running with root privileges' "$scratch/lintian.log" || true
[ "$status" -eq 0 ] || fail "lintian (exit status $status)"

step "installed files"
applications=("$root"/usr/share/applications/*.desktop)
[ ${#applications[@]} -eq 1 ] && [ -f "${applications[0]}" ] || fail "not one desktop entry: ${applications[*]}"
desktop=${applications[0]}
desktop_id=$(basename "$desktop")
metainfo=$root/usr/share/metainfo/${desktop_id%.desktop}.metainfo.xml
[ -f "$metainfo" ] || fail "no AppStream metadata $metainfo named after the desktop entry"
[ -f "$root/usr/share/doc/velsarino/copyright" ] || fail "no copyright file"
for page in usr/share/man/man1/velsarino.1.gz usr/share/doc/velsarino/changelog.gz; do
  [ -f "$root/$page" ] || fail "no $page"
done

key() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }
[ "$(key Exec)" = velsarino ] || fail "Exec=$(key Exec) does not start the installed program"
icon=$(key Icon)
[ -n "$icon" ] || fail "the desktop entry names no icon"
hicolor=$root/usr/share/icons/hicolor
[ -f "$hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon.svg"
for size in 16 22 24 32 48 64 128 256; do
  png=$hicolor/${size}x${size}/apps/$icon.png
  if [ ! -f "$png" ]; then
    fail "no ${size}x${size} icon"
  else
    file -b "$png" | grep -q "^PNG image data, $size x $size," || fail "$png: $(file -b "$png")"
  fi
done

zcat "$root/usr/share/doc/velsarino/changelog.gz" > "$scratch/changelog"
[ "$(dpkg-parsechangelog -l "$scratch/changelog" -S Version)" = "$version" ] \
  || fail "the changelog's latest entry is not version $version"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metadata lists no release $version"

step "desktop-file-validate"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
step "appstreamcli validate-tree"
appstreamcli validate-tree --no-net --explain "$root" || fail "appstreamcli validate-tree"

step "starting the installed program offscreen"
mkdir -m 700 "$scratch/runtime"
seconds=5
status=0
(cd "$scratch" && env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$scratch/runtime" \
   timeout -k 5 "$seconds" "$program" > "$scratch/program.out" 2> "$scratch/program.err") || status=$?
if [ "$status" -ne 124 ]; then
  fail "the installed program ended by itself within $seconds s (exit status $status)"
fi
# A broken installation (missing plugin, picture or translation) shows up as Qt's complaints.
if [ -s "$scratch/program.err" ] || [ -s "$scratch/program.out" ]; then
  fail "the installed program wrote:"
  cat "$scratch/program.out" "$scratch/program.err" >&2
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) of the package failed" >&2
  exit 1
fi
echo "package $(basename "$deb") checked"
