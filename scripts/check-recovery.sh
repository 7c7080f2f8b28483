#!/bin/bash
# Kills the designer with kill -9 after an edit and checks that the next
# start offers the unsaved changes back, restored as unsaved.
#   scripts/check-recovery.sh [DISPLAY] [BUILD_DIR]     (default :99 and build)
# Needs Xvfb and xdotool. Works in a scratch data and settings folder, so the
# user's own recovery copies and settings are never touched.
set -u
display=${1:-:99}
build=${2:-build}
bin="$build/bin/shipdesigner"
[ -x "$bin" ] || { echo "no $bin: build shipdesigner first" >&2; exit 2; }
scratch=$(mktemp -d)
export XDG_DATA_HOME="$scratch/data" XDG_CONFIG_HOME="$scratch/config" DISPLAY="$display"
export SHIPDESIGNER_RECOVERY_MS=500
recovery="$XDG_DATA_HOME/shipdesigner/Recovery"
xvfb=""
app=""
finish() {
    [ -n "$app" ] && kill "$app" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$scratch"
}
trap finish EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

Xvfb "$display" -screen 0 1024x700x24 >/dev/null 2>&1 &
xvfb=$!
sleep 2

# First run: a design from the command line, then one edit.
"$bin" "$(cd "$build/bin" && pwd)/Designs/Dreadnought.sdf" >/dev/null 2>&1 &
app=$!
xdotool search --sync --onlyvisible --name '^Ship design - Dreadnought$' >/dev/null || fail "the first run shows no window"
window=$(xdotool search --onlyvisible --name '^Ship design - Dreadnought$' | head -1)
sleep 1
# A click at the end of the class name box (top left of the form), then one letter.
xdotool mousemove --window "$window" 360 57 click 1
sleep 0.3
xdotool key End
xdotool type --delay 50 "X"
sleep 0.5
xdotool search --name '^Ship design - .* \*$' >/dev/null || fail "the edit did not make the design unsaved"
for _ in $(seq 20); do
    ls "$recovery"/recovery-*.sdf >/dev/null 2>&1 && break
    sleep 0.25
done
copy=$(ls "$recovery"/recovery-*.sdf 2>/dev/null | head -1)
[ -n "$copy" ] || fail "no recovery copy was written"
kill -9 "$app"
wait "$app" 2>/dev/null
app=""
[ -f "$copy" ] || fail "the recovery copy did not outlive the program"
echo "after kill -9: $(basename "$copy") left, $(grep -a '^ClassName=' "$copy" | tr -d '\r')"

# Second run: the question, answered with OK (Enter), and the design back as unsaved.
"$bin" >/dev/null 2>&1 &
app=$!
for _ in $(seq 40); do
    [ "$(xdotool search --onlyvisible --name '^Ship design$' 2>/dev/null | wc -l)" -ge 2 ] && break
    sleep 0.25
done
[ "$(xdotool search --onlyvisible --name '^Ship design$' | wc -l)" -ge 2 ] || fail "the next start offered nothing"
[ -n "${SHOT:-}" ] && import -window root "$SHOT"
xdotool key Return
xdotool search --sync --onlyvisible --name '^Ship design - .*X \*$' >/dev/null || fail "the copy was not restored as unsaved"
echo "next start: offered, restored as \"$(xdotool search --onlyvisible --name '^Ship design - ' | head -1 | xargs xdotool getwindowname)\""
echo "PASS"
