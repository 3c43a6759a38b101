#!/usr/bin/env bash
# End to end under a real X server: the built program with a window manager,
# driven by real pointer and key events (XTEST through xdotool).
#   typical_run.sh KINTROA
# 1. The overview's typical run: confirm the contribution notice, English,
#    Devanagari, Show, SYLLABLES, Close, then Close on the launcher; the
#    process must end with status 0. Start Introduction, Show and the
#    introduction's Close are pressed by their access keys.
# 2. A second instance answering No at the prompt ends at once with status 0
#    and never shows its contribution notice.
# Exits 77 (skipped) where Xvfb or the other tools are missing.
set -uo pipefail
program=$1
for tool in Xvfb openbox xdotool xprop; do
    command -v $tool >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

for n in $(seq 151 199); do [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || break; done
Xvfb :$n -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
export DISPLAY=:$n
for _ in $(seq 100); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
openbox --sm-disable >/dev/null 2>&1 & wm=$!
runtime=$(mktemp -d)
export XDG_RUNTIME_DIR=$runtime
unset QT_QPA_PLATFORM
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null; done
    kill $wm $xvfb 2>/dev/null
    rm -rf "$runtime"
}
trap cleanup EXIT
sleep 0.5

fail() {
    echo "FAIL: $*"
    command -v import >/dev/null && import -window root "${TMPDIR:-/tmp}/kintroa-e2e-failure.png" 2>/dev/null && echo "screen saved in ${TMPDIR:-/tmp}/kintroa-e2e-failure.png"
    exit 1
}

# waitfor TITLE: the id of the visible window with that title, within 10 s.
waitfor() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

gone() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}

# click TITLE LEFT TOP: a real click at a point of a window's client area, in twips.
click() {
    local id
    id=$(waitfor "$1") || fail "no window '$1' to click in"
    xdotool mousemove --window "$id" $(($2 / 15)) $(($3 / 15)) sleep 0.2 click 1 sleep 0.4
}

launcher="Korvani  'Vorda'"
intro="Korvani Introduction About Devanagari"

"$program" & first=$!; pids+=($first)
waitfor "^KIntroA$" >/dev/null || fail "no contribution notice"
xdotool key Return
launcher_id=$(waitfor "$launcher") || fail "the launcher did not appear"

# Desktops match the window to its desktop entry by the entry's StartupWMClass.
entry="$(dirname "$0")/../../dist/org.example.korvani.kintroa.desktop"
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ -n "$wm_class" ] || fail "the desktop entry names no StartupWMClass"
xprop -id "$launcher_id" WM_CLASS | grep -q ", \"$wm_class\"\$" \
    || fail "window class $(xprop -id "$launcher_id" WM_CLASS) does not match StartupWMClass=$wm_class"

xdotool key alt+i             # Start &Introduction, by its access key
click "$launcher" 700 4250     # English
click "$launcher" 2100 4250    # the first Devanagari button
xdotool key alt+s             # &Show
waitfor "$intro" >/dev/null || fail "the introduction window did not open"
click "$intro" 1000 3780       # SYLLABLES
xdotool key alt+c             # &Close
gone "$intro" || fail "the introduction window did not close"
kill -0 $first 2>/dev/null || fail "the program ended with the introduction window"

# A second instance while the first runs: the prompt's default answer is No.
"$program" & second=$!; pids+=($second)
waitfor "^Already open! - Pelunari$" >/dev/null || fail "no single-instance prompt"
xdotool key Return
for _ in $(seq 100); do kill -0 $second 2>/dev/null || break; sleep 0.1; done
kill -0 $second 2>/dev/null && fail "the second instance did not end after No"
wait $second; status=$?
[ $status -eq 0 ] || fail "the second instance ended with status $status"
# The only notice ever shown was the first instance's, long gone.
xdotool search --onlyvisible --name "^KIntroA$" >/dev/null 2>&1 && fail "the second instance showed its notice"

click "$launcher" 8700 6300    # Close on the launcher
for _ in $(seq 100); do kill -0 $first 2>/dev/null || break; sleep 0.1; done
kill -0 $first 2>/dev/null && fail "the program did not end after Close"
wait $first; status=$?
[ $status -eq 0 ] || fail "the program ended with status $status"
echo "typical run and second instance: passed"
