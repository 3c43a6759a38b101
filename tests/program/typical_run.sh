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
# The first window of a start may take up to 60 s, as on a slow or busy
# machine; later windows have 15 s. Where a window does not come or the
# program ends early, the failure tells whether each started program still
# runs, its exit status, what it printed on standard error, and the windows
# shown on the display.
set -uo pipefail
program=$1
here=$(dirname "$0")
for tool in Xvfb xdpyinfo openbox xdotool xprop; do
    command -v $tool >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
. "$here/../../tools/virtual-display.sh"

first_window_limit=60
window_limit=15

work=$(mktemp -d)
pids=()
declare -A error_file=() status_of=()
cleanup() {
    for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null; done
    stop_virtual_display
    rm -rf "$work"
}
trap cleanup EXIT

start_virtual_display || { echo "FAIL: no virtual display"; exit 1; }
start_window_manager || { echo "FAIL: no window manager"; exit 1; }
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

# start: the program, its standard error kept; its process id in $started.
start() {
    local errors=$work/stderr-$((${#pids[@]} + 1))
    "$program" 2>"$errors" &
    started=$!
    pids+=("$started")
    error_file[$started]=$errors
    started_at=$SECONDS
}

# ended PID: whether the program has ended; its status goes to status_of.
ended() {
    [ -n "${status_of[$1]:-}" ] && return 0
    kill -0 "$1" 2>/dev/null && return 1
    wait "$1"
    status_of[$1]=$?
    return 0
}

report() {
    local pid
    for pid in "${pids[@]}"; do
        if ended "$pid"; then
            echo "   program $pid: ended with status ${status_of[$pid]}"
        else
            echo "   program $pid: still running"
        fi
        if [ -s "${error_file[$pid]}" ]; then
            echo "   its standard error:"
            tail -n 30 "${error_file[$pid]}" | sed 's/^/      /'
        else
            echo "   its standard error: nothing"
        fi
    done
    describe_virtual_display
}

fail() {
    echo "FAIL: $*"
    report
    command -v import >/dev/null && import -window root "${TMPDIR:-/tmp}/kintroa-e2e-failure.png" 2>/dev/null \
        && echo "screen saved in ${TMPDIR:-/tmp}/kintroa-e2e-failure.png"
    exit 1
}

# waitfor TITLE SECONDS PID: the visible window with that title, its id in
# $found; gives up at once where the program PID has ended.
waitfor() {
    local deadline=$((SECONDS + $2))
    found=""
    while :; do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
        [ -n "$found" ] && return 0
        ended "$3" && return 1
        [ $SECONDS -ge $deadline ] && return 1
        sleep 0.1
    done
}

# expect TITLE SECONDS PID WHAT: waitfor, or fail saying that WHAT did not show.
expect() {
    waitfor "$1" "$2" "$3" && return 0
    ended "$3" && fail "the program ended before $4 showed"
    fail "$4 did not show within $2 s"
}

# gone TITLE PID: the window with that title has closed, within 15 s.
gone() {
    local deadline=$((SECONDS + window_limit))
    while xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; do
        [ $SECONDS -ge $deadline ] && return 1
        sleep 0.1
    done
}

# ends PID: the program ends within 15 s.
ends() {
    local deadline=$((SECONDS + window_limit))
    until ended "$1"; do
        [ $SECONDS -ge $deadline ] && return 1
        sleep 0.1
    done
}

# click TITLE LEFT TOP: a real click at a point of a window of the first
# program's client area, in twips.
click() {
    expect "$1" $window_limit "$first" "the window '$1'"
    xdotool mousemove --window "$found" $(($2 / 15)) $(($3 / 15)) sleep 0.2 click 1 sleep 0.4
}

launcher="Korvani  'Vorda'"
intro="Korvani Introduction About Devanagari"

start; first=$started
expect "^KIntroA$" $first_window_limit "$first" "the contribution notice"
echo "the contribution notice showed after $((SECONDS - started_at)) s"
xdotool key Return
expect "$launcher" $window_limit "$first" "the launcher"
launcher_id=$found

# Desktops match the window to its desktop entry by the entry's StartupWMClass.
entry="$here/../../dist/org.example.korvani.kintroa.desktop"
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ -n "$wm_class" ] || fail "the desktop entry names no StartupWMClass"
xprop -id "$launcher_id" WM_CLASS | grep -q ", \"$wm_class\"\$" \
    || fail "window class $(xprop -id "$launcher_id" WM_CLASS) does not match StartupWMClass=$wm_class"

xdotool key alt+i             # Start &Introduction, by its access key
click "$launcher" 700 4250     # English
click "$launcher" 2100 4250    # the first Devanagari button
xdotool key alt+s             # &Show
expect "$intro" $window_limit "$first" "the introduction window"
click "$intro" 1000 3780       # SYLLABLES
xdotool key alt+c             # &Close
gone "$intro" || fail "the introduction window did not close"
ended $first && fail "the program ended with the introduction window"

# A second instance while the first runs: the prompt's default answer is No.
start; second=$started
expect "^Already open! - Pelunari$" $first_window_limit "$second" "the second instance's single-instance prompt"
xdotool key Return
# No ends it at once: its contribution notice never shows (the first
# instance's is long gone).
deadline=$((SECONDS + window_limit))
until ended $second; do
    xdotool search --onlyvisible --name "^KIntroA$" >/dev/null 2>&1 && fail "the second instance showed its notice"
    [ $SECONDS -ge $deadline ] && fail "the second instance did not end after No"
    sleep 0.1
done
[ "${status_of[$second]}" -eq 0 ] || fail "the second instance ended with status ${status_of[$second]}"

click "$launcher" 8700 6300    # Close on the launcher
ends $first || fail "the program did not end after Close"
[ "${status_of[$first]}" -eq 0 ] || fail "the program ended with status ${status_of[$first]}"
echo "typical run and second instance: passed"
