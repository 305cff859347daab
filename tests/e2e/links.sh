#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Every link and web menu entry hands its address to the desktop's URL
# handler. Here the handler records the address and fails, as on a machine
# without a browser: the program keeps running and shows nothing.
# shellcheck source=../harness/linux.sh
. "$(dirname "$0")/../harness/linux.sh"
start_display
opened=$E2E_TMP/opened.txt
mkdir -p "$E2E_TMP/bin"
cat >"$E2E_TMP/bin/xdg-open" <<HANDLER
#!/bin/sh
echo "\$1" >>"$opened"
exit 3
HANDLER
chmod +x "$E2E_TMP/bin/xdg-open"
export PATH="$E2E_TMP/bin:$PATH"
: >"$opened"
start_and_wait_main

# expect_opened PATTERN: the newest recorded address matches.
expect_opened() {
    for _ in $(seq 40); do
        [ "$(wc -l <"$opened")" -gt "$recorded" ] && break
        sleep 0.05
    done
    local last
    last=$(tail -n 1 "$opened")
    [ "$(wc -l <"$opened")" -eq $((recorded + 1)) ] || fail "$2: expected one new address, have: $(cat "$opened")"
    echo "$last" | grep -Eq "^$1\$" || fail "$2: opened '$last'"
    recorded=$((recorded + 1))
}
recorded=0

# click_at WID X Y: a left click at a point of the window's client area.
click_at() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.2
}

still_fine() {
    kill -0 "$APP_PID" 2>/dev/null || fail "$1: the program ended"
    stays_absent "Pallastro" 0.3 || fail "$1: a message was shown"
}

# Points well inside each label, allowing for the menu bar above the client
# area.
step "main window: banner and offer labels"
click_at "$MAIN" 244 38;  still_fine "banner"
expect_opened 'https://www\.pallastro\.example/?' "banner"
click_at "$MAIN" 244 300; still_fine "offer label"
expect_opened 'https://help\.pallastro\.example/(fully-branded|co-brand)\.html' "offer label"

step "main window: web menu entries"
menu_entries() {
    local window=$1
    focus_window "$window"; keys alt+h o; still_fine "Online Help"
    expect_opened 'https://program\.pallastro\.example/pallastro-help\.html' "Online Help"
    focus_window "$window"; keys alt+h v; still_fine "Visit Us Online"
    expect_opened 'https://www\.pallastro\.example/?' "Visit Us Online"
    focus_window "$window"; keys alt+h u; still_fine "Check for Software Update"
    expect_opened 'https://program\.pallastro\.example/download-pallastro\.html' "Check for Software Update"
    focus_window "$window"; keys alt+d; still_fine "Donate"
    expect_opened 'https://help\.pallastro\.example/donate\.html' "Donate"
}
menu_entries "$MAIN"

step "result window: banner, offer label and web menu entries"
focus_window "$MAIN"
typetext "Anna"
keys alt+g
RESULT=$(wait_window "$TITLE" "$RESULT_WIDTH" 10) || fail "no reading"
click_at "$RESULT" 307 36;  still_fine "result banner"
expect_opened 'https://www\.pallastro\.example/?' "result banner"
click_at "$RESULT" 229 385; still_fine "result offer label"
expect_opened 'https://help\.pallastro\.example/co-brand\.html' "result offer label"
menu_entries "$RESULT"
windows_named "$TITLE" "$RESULT_WIDTH" | grep -q . || fail "the result window went away"
echo "ok"
