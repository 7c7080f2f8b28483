#!/usr/bin/env bash
# The tests of folders and files that refuse, run as the unprivileged user
# "nobody" with a scratch HOME and scratch folders: as root, which every
# other test runs as, a read-only folder never refuses anything.
# Run as: RunUnprivileged.sh CORE_TESTS GUI_TESTS|"" SDFTOOL PROGRAM_DIR
# Exits 77 (skipped) when it cannot switch users: not root, or no setpriv.
set -euo pipefail
core=$1 gui=$2 sdftool=$3 program=$4

skip() {
  echo "unprivileged_folders skipped: $*"
  exit 77
}
[ "$(id -u)" -eq 0 ] || skip "switching to the user nobody needs root (this is $(id -un))"
command -v setpriv >/dev/null 2>&1 || skip "setpriv (util-linux) is not installed"
id nobody >/dev/null 2>&1 || skip "there is no user nobody"
group=nogroup
getent group "$group" >/dev/null 2>&1 || group=nobody

scratch="$(mktemp -d /tmp/ship-unprivileged-XXXXXX)"
trap 'chmod -R u+rwX "$scratch" 2>/dev/null; rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
mkdir -p "$scratch/home" "$scratch/tmp"
chown nobody:"$group" "$scratch/home" "$scratch/tmp"

as_nobody() {
  setpriv --reuid=nobody --regid="$group" --clear-groups \
    env -i PATH="$PATH" HOME="$scratch/home" TMPDIR="$scratch/tmp" LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
    SHIP_TEST_PROGRAM_DIR="$program" SHIP_TEST_SDFTOOL="$sdftool" "$@"
}

# The build tree may lie where nobody cannot go (a private checkout): then
# the programs and the data they read are copied into the scratch folder.
if ! as_nobody test -x "$core" -a -x "$sdftool" -a -r "$program/Data/Nations.dat" -a -x "$program/Designs" \
    || { [ -n "$gui" ] && ! as_nobody test -x "$gui"; }; then
  echo "The build tree is closed to nobody: copying the tests and the data into $scratch"
  mkdir -p "$scratch/bin"
  for d in Data Designs Flags Scenarios Preferences; do
    [ -e "$program/$d" ] && cp -R "$program/$d" "$scratch/bin/"
  done
  cp "$core" "$sdftool" "$scratch/bin/"
  core="$scratch/bin/$(basename "$core")" sdftool="$scratch/bin/$(basename "$sdftool")"
  if [ -n "$gui" ]; then
    cp "$gui" "$scratch/bin/"
    gui="$scratch/bin/$(basename "$gui")"
  fi
  program="$scratch/bin/"
  chmod -R a+rX "$scratch/bin"
fi

status=0
echo "== core tests as nobody"
as_nobody "$core" --gtest_filter='Unprivileged.*' --gtest_brief=1 || status=1
if [ -n "$gui" ]; then
  echo "== GUI tests as nobody"
  as_nobody "$gui" UnprivilegedFolderTests || status=1
fi
exit $status
