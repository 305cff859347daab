#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The real pallastro.exe under Wine, from the folder a user unpacks, so that
# the zip is proved complete: its notice, the licence text of everything it
# bundles and the Qt source beside it; then the program, started from that
# folder as a double click starts it: first start, a reading typed with the
# keyboard only and started with Enter on the focused Get button, the first-
# and last-record messages, Save (into the user's
# Documents, where the first dialog of a run opens) and Open again, a second
# copy refused, E&xit with status 0, and 15 days later the update reminder
# and an Open that again starts in Documents, not where the last run left off;
# and, unlike the installer, it registers no file type.
#
#   tests/wine/program.sh PATH-TO-Pallastro-X.Y.Z-win64.zip PATH-TO-QT-SOURCE.tar
ZIP=${1:?usage: program.sh PATH-TO-ZIP PATH-TO-QT-SOURCE.tar}
QT_SOURCE=${2:?usage: program.sh PATH-TO-ZIP PATH-TO-QT-SOURCE.tar}
APP=
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh"
SOURCE_ROOT=$(cd "$WINE_LIB_DIR/../.." && pwd)

# check_notice FOLDER QT-SOURCE.tar: NOTICE.txt names every program file of
# FOLDER and every text under LICENSES, each text it names is there, the
# components every build bundles have theirs, and the Qt source archive
# holds exactly the files the notice gives with their SHA-256.
check_notice() {
    local folder=$1 source=$2 notice=$1/NOTICE.txt f name sum
    [ -f "$notice" ] || fail "no NOTICE.txt in the folder"
    (cd "$folder" && find . -type f \( -name '*.exe' -o -name '*.dll' \) | sed 's|^\./||' | sort) >"$E2E_TMP/programs"
    [ -s "$E2E_TMP/programs" ] || fail "no program files in the folder"
    while read -r f; do
        grep -qF "$(printf '%s' "$f" | tr / '\\')" "$notice" || fail "NOTICE.txt does not name $f"
    done <"$E2E_TMP/programs"
    grep -o 'LICENSES\(\\[A-Za-z0-9._+-]*\)*' "$notice" | sed 's/\.$//' | grep -i '\.txt$' | tr '\\' / | sort -u >"$E2E_TMP/named"
    (cd "$folder" && find LICENSES -type f | sort) >"$E2E_TMP/texts"
    [ "$(comm -3 "$E2E_TMP/named" "$E2E_TMP/texts")" = "" ] ||
        fail "texts named in NOTICE.txt (left) and texts in LICENSES (right) differ: $(comm -3 "$E2E_TMP/named" "$E2E_TMP/texts" | tr '\n\t' ' <')"
    for f in zlib libjpeg libpng freetype harfbuzz-ng pcre2 doubleconversion md4c; do
        [ -n "$(ls -A "$folder/LICENSES/Qt/third-party/$f" 2>/dev/null)" ] || fail "no licence text of Qt's bundled $f"
    done
    grep -q 'GNU LESSER GENERAL PUBLIC LICENSE' "$folder/LICENSES/Qt/LGPL-3.0-only.txt" || fail "no LGPL text for Qt"
    grep -lq 'GCC RUNTIME LIBRARY EXCEPTION' "$folder"/LICENSES/MinGW/*.txt || fail "no GCC Runtime Library Exception"
    grep -lq 'winpthreads' "$folder"/LICENSES/MinGW/*.txt || fail "no winpthreads licence"
    cmp -s "$folder/LICENSES/Pallastro/GPL-3.0-or-later.txt" "$SOURCE_ROOT/LICENSES/GPL-3.0-or-later.txt" ||
        fail "Pallastro's GPL text is not the source tree's"
    grep -qF "$(basename "$source")" "$notice" || fail "NOTICE.txt does not name $(basename "$source")"
    for name in $(tar -tf "$source"); do
        sum=$(tar -xOf "$source" "$name" | sha256sum | cut -d' ' -f1)
        grep -A1 -xF "  $name" "$notice" | grep -qxF "    SHA-256 $sum" ||
            fail "NOTICE.txt does not give $name of the Qt source archive with SHA-256 $sum"
    done
    [ "$(tar -tf "$source" | grep -c '\.dsc$')" = 1 ] || fail "the Qt source archive holds no .dsc"
}

# check_stamps ZIP FOLDER: one date on every zip member, and the same in the
# PE header of every program file: nothing of the moment of the build.
check_stamps() {
    python3 - "$1" "$2" <<'PY' || fail "the zip or its program files carry more than one date"
import calendar, os, struct, sys, zipfile
members = zipfile.ZipFile(sys.argv[1]).infolist()
dates = {m.date_time for m in members}
pe = {}
for folder, _, files in os.walk(sys.argv[2]):
    for name in files:
        if name.endswith((".exe", ".dll")):
            with open(os.path.join(folder, name), "rb") as f:
                data = f.read(4096)
            at = struct.unpack_from("<I", data, 0x3C)[0]
            pe[name] = struct.unpack_from("<I", data, at + 8)[0]
zip_time = calendar.timegm(next(iter(dates)) + (0, 0, -1)) if len(dates) == 1 else None
ok = len(dates) == 1 and len(set(pe.values())) == 1 and abs(zip_time - next(iter(pe.values()))) <= 2
if not ok:
    print(f"zip dates: {sorted(dates)}; PE time stamps: {pe}", file=sys.stderr)
sys.exit(0 if ok else 1)
PY
}

step "the zip: one folder with the program, its notice, and a text for every licence the notice names"
python3 -m zipfile -e "$ZIP" "$E2E_TMP/unpacked" || fail "the zip does not unpack"
folder=$E2E_TMP/unpacked/Pallastro
APP=$folder/pallastro.exe
[ -f "$APP" ] || fail "no Pallastro\\pallastro.exe in the zip: $(cd "$E2E_TMP/unpacked" && find . -maxdepth 2 | head)"
check_notice "$folder" "$QT_SOURCE"
check_stamps "$ZIP" "$folder"

# Explorer starts a program in its own folder.
cd "$folder"
start_windows
readings=$E2E_TMP/readings
# Life Path 9 and Destiny 8, as the program saves them.
john=$(reading_bytes 9 8)
documents=$WIN_USER_DIR/Documents
mkdir -p "$readings"

step "first start asks nothing and shows the main window"
start_app
MAIN=$(wait_window "$TITLE" "$MAIN_WIDTH" 60) || fail "the main window did not appear"
stays_absent "Pallastro" 1 || fail "a question was asked on the first start"
first=$APP_PID
focus_window "$MAIN"

step "John Smith, 15 March 1980, with the keyboard only, and Enter on the focused Get button"
enter_reading "John Smith" 2 15 1980
get_reading_with_enter 15

step "<< on the first Life Path god, >> twice on the Destiny side (8: two gods)"
# Tab order from Back: the Life Path text, >> and << of Life Path, << and >>
# of Destiny.
keys Tab Tab Tab
keys space
expect_message "You are at the first record"
dismiss_message
focus_window "$RESULT"
keys Tab Tab
destiny_to_the_end
expect_message "You are at the last record"
dismiss_message

step "Save opens in Documents: a bare name saves there; Life Path 9 and Destiny 8, each digit stored as its code + 85"
focus_window "$RESULT"
file_dialog save alt+s "john" 15
wait_gone "Pallastro" "" 10 || fail "the save dialog did not close"
wait_bytes "$documents/john.grn" "$john" ||
    fail "Documents holds no john.grn ('$(hexbytes "$documents/john.grn" 2>/dev/null)'); a john.grn is at: $(find "$E2E_TMP" -name john.grn 2>/dev/null | tr '\n' ' ')"

step "Back, then Open a reading in another folder, going there in the dialog"
mv "$documents/john.grn" "$readings/john.grn"
back_to_main
wait_gone "$TITLE" "$RESULT_WIDTH" 5 || fail "the result window stayed open"
# A folder typed and Return goes into it, as a user browsing there would; the
# dialog remembers it for the runs after this one.
file_dialog open alt+o "$(wine_path "$readings")\\" 15
sleep 1
typetext "john.grn"
keys Return
RESULT=$(wait_window "$TITLE" "$RESULT_WIDTH" 10) || fail "opening did not show the result window"
wait_gone "$TITLE" "$MAIN_WIDTH" 5 || fail "the main window stayed open after Open"
# For the next run, the reading is in Documents only.
mv "$readings/john.grn" "$documents/john.grn"

step "a second copy is refused and ends with status 0; the first keeps running"
start_app
second=$APP_PID
expect_message "Application is already running" 60
[ "$(windows_named "$TITLE" | wc -l)" = 1 ] || fail "the second copy showed a window"
keys Return
wait_exit "$second" 15 || fail "the second copy kept running"
[ "$EXIT_STATUS" = 0 ] || fail "second copy exit status $EXIT_STATUS"
kill -0 "$first" 2>/dev/null || fail "the first copy ended"

step "Back, then E&xit ends the process with status 0"
back_to_main
keys alt+f x
wait_exit "$first" 15 || fail "Exit did not end the process"
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
wait_gone "$TITLE" "" 5 || fail "a window stayed after Exit"

step "15 days later the reminder asks before the main window"
"$WINE_LIB_DIR/settings.sh" move-reminder-back 15 || fail "the stored reminder date could not be moved back"
start_app
expect_message "There maybe an update to this software available" 60
[ -z "$(windows_named "$TITLE")" ] || fail "the main window came before the question"
keys Escape
MAIN=$(wait_window "$TITLE" "$MAIN_WIDTH" 15) || fail "no main window after the answer"

step "Open, first dialog of this run, opens in Documents again: a bare name opens the reading there"
focus_window "$MAIN"
file_dialog open alt+o "john.grn" 15
RESULT=$(wait_window "$TITLE" "$RESULT_WIDTH" 10) ||
    fail "john.grn in Documents was not opened by its bare name"
wmctrl -i -c "$RESULT"
wait_exit "$APP_PID" 15 || fail "the title-bar close did not end the process"
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"

step "the program from the zip registered no file type"
for key in .grn Pallastro.Reading; do
    if wine reg query "HKCU\\Software\\Classes\\$key" >/dev/null 2>&1; then fail "running the program registered $key"; fi
done
echo "ok"
