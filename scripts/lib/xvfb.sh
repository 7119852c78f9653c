# shellcheck shell=bash
# A private X server for scripts that show the game: start_xvfb WIDTHxHEIGHT sets DISPLAY to a
# free display of its own choosing; stop_xvfb ends it. Source this file.

start_xvfb() {
    local number_file
    number_file=$(mktemp)
    # -displayfd picks a free display and writes its number once the server is ready;
    # -noreset keeps it up between clients.
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset 3>"$number_file" 2>/dev/null &
    XVFB_PID=$!
    local tries=0
    until [ -s "$number_file" ]; do
        if ! kill -0 "$XVFB_PID" 2>/dev/null || [ $((tries += 1)) -gt 100 ]; then
            echo "Xvfb did not start" >&2
            rm -f "$number_file"
            return 1
        fi
        sleep 0.1
    done
    DISPLAY=":$(tr -d '\n' <"$number_file")"
    export DISPLAY
    rm -f "$number_file"
}

stop_xvfb() {
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=""
    fi
}
