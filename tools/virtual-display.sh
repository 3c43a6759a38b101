# Sourced by the scripts that run the program on a private X server: the
# end-to-end test, the screenshots, the Windows tools and the measure of
# first starts.
#   start_virtual_display [SIZE]  Xvfb (default 1280x1024) on a display number
#                                 that it chooses itself (-displayfd), so that
#                                 two scripts never take the same one, and
#                                 that never resets (-noreset); waits until
#                                 the server answers (xdpyinfo) and exports
#                                 DISPLAY
#   start_window_manager          openbox on that display, waited for until
#                                 it manages the screen
#   stop_virtual_display          ends both and waits until they are gone
#   describe_virtual_display      for a failure's report: whether the server
#                                 still answers, and the windows it shows
# A start that does not come up within $virtual_display_limit seconds
# (default 30) says why on standard error and returns 1.
# Needs Debian's xvfb and x11-utils, and openbox for the window manager.

virtual_display_limit=${virtual_display_limit:-30}
virtual_display_pid=""
virtual_display_wm_pid=""
virtual_display_log=""

# virtual_display_failed MESSAGE: says why, with what the server printed.
virtual_display_failed() {
    echo "virtual display: $1" >&2
    if [ -s "$virtual_display_log" ]; then
        echo "virtual display: Xvfb and openbox said:" >&2
        tail -n 20 "$virtual_display_log" | sed 's/^/    /' >&2
    fi
    stop_virtual_display
    return 1
}

# virtual_display_await PID DEADLINE ENDED LATE COMMAND...: waits until
# COMMAND succeeds; fails saying ENDED where the process PID ends first, LATE
# where the time (in $SECONDS) passes DEADLINE.
virtual_display_await() {
    local pid=$1 deadline=$2 ended=$3 late=$4
    shift 4
    until "$@"; do
        if ! kill -0 "$pid" 2>/dev/null; then
            virtual_display_failed "$ended"
            return 1
        fi
        if [ $SECONDS -ge $deadline ]; then
            virtual_display_failed "$late"
            return 1
        fi
        sleep 0.05
    done
}

# The server writes its number, a whole line, once it listens.
virtual_display_number() { read -r virtual_display_number <"$1" 2>/dev/null && [ -n "$virtual_display_number" ]; }

virtual_display_managed() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

start_virtual_display() {
    local number_file deadline status
    virtual_display_log=$(mktemp)
    number_file=$(mktemp)
    # Without -noreset the server resets whenever its last client leaves,
    # and drops a client that connects meanwhile: the window manager or the
    # program, right after xdpyinfo below has answered and left.
    Xvfb -displayfd 3 -noreset -screen 0 "${1:-1280x1024}x24" -nolisten tcp 3>"$number_file" \
        >"$virtual_display_log" 2>&1 &
    virtual_display_pid=$!
    deadline=$((SECONDS + virtual_display_limit))
    virtual_display_await "$virtual_display_pid" $deadline "Xvfb ended before it chose a display" \
        "Xvfb chose no display within $virtual_display_limit s" virtual_display_number "$number_file"
    status=$?
    rm -f "$number_file"
    [ $status -eq 0 ] || return 1
    export DISPLAY=:$virtual_display_number
    virtual_display_await "$virtual_display_pid" $deadline "Xvfb ended before it answered on $DISPLAY" \
        "Xvfb does not answer on $DISPLAY (xdpyinfo) within $virtual_display_limit s" virtual_display_answers
}

virtual_display_answers() { xdpyinfo >/dev/null 2>&1; }

start_window_manager() {
    openbox --sm-disable >>"$virtual_display_log" 2>&1 &
    virtual_display_wm_pid=$!
    # Windows that show before the window manager runs stay undecorated and
    # unmanaged.
    virtual_display_await "$virtual_display_wm_pid" $((SECONDS + virtual_display_limit)) \
        "openbox ended before it managed $DISPLAY" "openbox did not manage $DISPLAY within $virtual_display_limit s" \
        virtual_display_managed
}

describe_virtual_display() {
    local id shown=0
    if ! xdpyinfo >/dev/null 2>&1; then
        echo "   the X server of $DISPLAY does not answer"
        return 0
    fi
    echo "   the X server of $DISPLAY answers; the windows it shows:"
    for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        echo "      $id '$(xdotool getwindowname "$id" 2>/dev/null)'"
        shown=1
    done
    [ $shown = 1 ] || echo "      none"
}

stop_virtual_display() {
    local pid
    for pid in $virtual_display_wm_pid $virtual_display_pid; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    virtual_display_wm_pid=""
    virtual_display_pid=""
    [ -n "$virtual_display_log" ] && rm -f "$virtual_display_log"
    virtual_display_log=""
    return 0
}
