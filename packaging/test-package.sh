#!/usr/bin/env bash
# Builds the Debian package from a build tree (cpack, no rebuild), has
# Debian's checker lintian look it over (any error or warning fails), unpacks
# it into a scratch root and runs the installed programs from there: sdftool
# on the installed designs, their manual pages and versions, the completion,
# and the designer started offscreen with a design.
# Usage: test-package.sh BUILD_DIR APP_ID
set -euo pipefail
build="$1"
app="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
fail() { echo "package test: $*" >&2; exit 1; }

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/pkg" >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log" >&2
  fail "cpack failed"
fi
deb=$(ls "$scratch"/pkg/*.deb)
depends=$(dpkg-deb --field "$deb" Depends)
echo "package: $(basename "$deb"), Depends: $depends"
for needed in libqt6widgets6 libjpeg62-turbo qt6-qpa-plugins; do
  [[ "$depends" == *"$needed"* ]] || fail "Depends lacks $needed"
done

# lintian: informational tags are shown and may stay; an error or a warning fails.
lintian --info --show-overrides --tag-display-limit 0 "$deb" >"$scratch/lintian.log" 2>&1 || true
cat "$scratch/lintian.log"
if grep -E '^[EW]: ' "$scratch/lintian.log"; then fail "lintian found errors or warnings"; fi
version=$(dpkg-deb --field "$deb" Version)

root="$scratch/root"
dpkg -x "$deb" "$root"
share="$root/usr/share"
for f in bin/shipdesigner bin/sdftool share/shipdesigner/Data/Nations.dat share/shipdesigner/Preferences \
         share/applications/$app.desktop share/metainfo/$app.metainfo.xml share/mime/packages/$app.xml \
         share/icons/hicolor/scalable/apps/$app.svg share/icons/hicolor/48x48/apps/$app.png \
         share/man/man1/sdftool.1.gz share/man/man1/shipdesigner.1.gz share/bash-completion/completions/sdftool \
         share/doc/shipdesigner/copyright share/doc/shipdesigner/changelog.gz; do
  [ -e "$root/usr/$f" ] || fail "missing /usr/$f"
done
desktop-file-validate "$share/applications/$app.desktop"
appstreamcli validate --no-net "$share/metainfo/$app.metainfo.xml" >/dev/null

# The installed programs find their data in share/shipdesigner/ and know
# nothing of the build tree.
cd "$scratch"
export HOME="$scratch/home" XDG_DATA_HOME="" QT_QPA_PLATFORM=offscreen
"$root/usr/bin/sdftool" check "$share/shipdesigner/Designs" | tail -n 1
for program in sdftool shipdesigner; do
  [[ $("$root/usr/bin/$program" --version | head -n 1) == "$program $version" ]] ||
    fail "$program --version does not say the package's $version"
  MANWIDTH=80 man -l "$share/man/man1/$program.1.gz" 2>/dev/null | grep -q "^NAME" || fail "man $program shows no page"
done
zcat "$share/doc/shipdesigner/changelog.gz" | head -n 1 | grep -q "^shipdesigner ($version)" ||
  fail "the changelog's top entry is not $version"
"$root/usr/bin/sdftool" sheet "$share/shipdesigner/Designs/Dreadnought.sdf" | grep -q "^Dreadnought" \
  || fail "sdftool sheet did not write the sheet"
out=$(SHIPDESIGNER_CHECK_START=1 "$root/usr/bin/shipdesigner" "$share/shipdesigner/Designs/Dreadnought.sdf" 2>&1) \
  || { echo "$out" >&2; fail "the designer did not start cleanly"; }
echo "$out" | grep "shipdesigner:"
[[ "$out" == *"data from $share/shipdesigner/"* && "$out" == *"Ship design - Dreadnought"* ]] \
  || fail "the designer did not use the installed data or open the design"
echo "package test passed"
