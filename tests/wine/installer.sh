#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The installer under Wine, in a fresh Windows installation: a silent per-user
# install (no administrator: the installer asks to run as the invoking user),
# the program with exactly the files of the folder a user unpacks (its notice
# and licence texts with them), its Start-menu entry, which starts it in the
# user's Documents, its entry in the user's installed programs, and the file
# type of saved readings, registered for this user alone; the installed
# program starts and saves a reading, and a reading opened as Explorer opens
# it (wine start) starts it with that file; a silent uninstall removes
# everything it installed, the file type included, and leaves the user's
# readings; installed and uninstalled again, it leaves the extension to a
# program that claimed it meanwhile.
#
#   tests/wine/installer.sh PATH-TO-Pallastro-X.Y.Z-setup.exe VERSION DIST-FOLDER
SETUP=${1:?usage: installer.sh SETUP.exe VERSION DIST-FOLDER}
VERSION=${2:?usage: installer.sh SETUP.exe VERSION DIST-FOLDER}
DIST=${3:?usage: installer.sh SETUP.exe VERSION DIST-FOLDER}
APP=
# shellcheck source=lib.sh
. "$(dirname "$0")/lib.sh"
# lnk_working_folder FILE: the "Start in" folder a shell link (.lnk) holds.
lnk_working_folder() {
    python3 - "$1" <<'PY'
import struct, sys
data = open(sys.argv[1], "rb").read()
flags = struct.unpack_from("<I", data, 20)[0]
at = 76
if flags & 0x01:                      # a list of item ids
    at += 2 + struct.unpack_from("<H", data, at)[0]
if flags & 0x02:                      # link information
    at += struct.unpack_from("<I", data, at)[0]
unicode = flags & 0x80
for bit in (0x04, 0x08, 0x10):        # name, relative path, working folder
    if not flags & bit:
        if bit == 0x10:
            sys.exit(1)
        continue
    count = struct.unpack_from("<H", data, at)[0]
    size = count * (2 if unicode else 1)
    text = data[at + 2:at + 2 + size].decode("utf-16-le" if unicode else "latin-1")
    at += 2 + size
    if bit == 0x10:
        print(text.rstrip("\0"))
PY
}
UNINSTALL_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Pallastro'
CLASSES='HKCU\Software\Classes'
READING_TYPE=Pallastro.Reading
# reg_value KEY [NAME]: the value NAME of KEY, by default its default value;
# fails when the key or the value is missing.
reg_value() {
    local out
    if [ -n "${2:-}" ]; then
        out=$(wine reg query "$1" /v "$2" 2>/dev/null) || return 1
    else
        out=$(wine reg query "$1" /ve 2>/dev/null) || return 1
    fi
    printf '%s\n' "$out" | tr -d '\r' | sed -n "s/^ *\(${2:-(Default)}\) *REG_[A-Z_]* *//p" | head -n 1
}
has_key() { wine reg query "$1" >/dev/null 2>&1; }
# merge_user_classes: Windows reads HKEY_CLASSES_ROOT as the user's classes
# over the machine's; Wine 8 reads the machine's alone (WineHQ bug 14771).
# The user's keys of the reading's type are copied into the machine's as
# they stand (none, once removed), as Windows would merge them, so that
# Wine's shell acts on what the installer wrote.
merge_user_classes() {
    local key export=$E2E_TMP/class.reg
    for key in .grn "$READING_TYPE"; do
        wine reg delete "HKLM\\Software\\Classes\\$key" /f >/dev/null 2>&1 || true
        has_key "$CLASSES\\$key" || continue
        wine reg export "$CLASSES\\$key" "$export" /y >/dev/null 2>&1 || fail "$key could not be exported"
        python3 - "$export" <<'PY'
import re, sys
text = open(sys.argv[1], encoding="utf-16", newline="").read()
text = re.sub(r"^\[HKEY_CURRENT_USER\\Software\\Classes\\", r"[HKEY_LOCAL_MACHINE\\Software\\Classes\\",
              text, flags=re.I | re.M)
open(sys.argv[1], "w", encoding="utf-16", newline="").write(text)
PY
        wine reg import "$export" >/dev/null 2>&1 || fail "$key could not be imported"
    done
}
# started_copy: the installed pallastro.exe's process, from its command line
# as Wine shows it to Linux (the Windows one, split into words); sets COPY.
started_copy() {
    local pid
    COPY=
    for pid in $(pgrep -f 'pallastro\.exe'); do
        [ "$(tr '\0' '\n' <"/proc/$pid/cmdline" 2>/dev/null | head -n 1)" = "$win_instdir\\pallastro.exe" ] &&
            { COPY=$pid; return 0; }
    done
    return 1
}

step "the installer asks for no elevation"
grep -aq 'level="asInvoker"' "$SETUP" || fail "the installer's manifest does not run it as the invoking user"
grep -aq 'requireAdministrator' "$SETUP" && fail "the installer's manifest asks for an administrator"

start_windows
local_programs=$WIN_USER_DIR/AppData/Local/Programs
instdir=$local_programs/Pallastro
shortcut="$WIN_USER_DIR/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Pallastro.lnk"
documents=$WIN_USER_DIR/Documents
# Life Path 9 and Destiny 8, as the program saves them.
john=$(reading_bytes 9 8)

step "silent install"
wine "$SETUP" /S >"$E2E_TMP/setup.log" 2>&1 || fail "the installer failed with status $?"
for f in pallastro.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll Qt6PrintSupport.dll platforms/qwindows.dll \
         imageformats/qjpeg.dll imageformats/qgif.dll libstdc++-6.dll libgcc_s_seh-1.dll \
         libwinpthread-1.dll Uninstall.exe; do
    [ -f "$instdir/$f" ] || fail "not installed: $f (in $instdir: $(cd "$local_programs" 2>/dev/null && find . | head -n 20))"
done
installed=$( (cd "$instdir" && find . -type f ! -path ./Uninstall.exe | sort) )
[ "$installed" = "$( (cd "$DIST" && find . -type f | sort) )" ] ||
    fail "installed and unpacked files differ: $(diff <(echo "$installed") <(cd "$DIST" && find . -type f | sort) | grep '^[<>]' | tr '\n' ' ')"
while read -r f; do
    cmp -s "$instdir/$f" "$DIST/$f" || fail "installed $f is not the file of the folder"
done <<<"$installed"
[ -f "$shortcut" ] || fail "no Start-menu entry"
grep -aq 'pallastro.exe' "$shortcut" || fail "the Start-menu entry does not point at pallastro.exe"
start_in=$(lnk_working_folder "$shortcut") || fail "the Start-menu entry could not be read"
[ "$start_in" = 'C:\users\'"$(id -un)"'\Documents' ] ||
    fail "the Start-menu entry starts the program in '$start_in', not in the user's Documents"
[ ! -e "$WINEPREFIX/drive_c/Program Files/Pallastro" ] || fail "something went to Program Files"

step "the entry in the user's installed programs"
wine reg query "$UNINSTALL_KEY" >"$E2E_TMP/uninstall-key.txt" 2>&1 || fail "no uninstall entry: $(cat "$E2E_TMP/uninstall-key.txt")"
tr -d '\r' <"$E2E_TMP/uninstall-key.txt" >"$E2E_TMP/uninstall-key"
value() { sed -n "s/^ *$1 *REG_[A-Z_]* *//p" "$E2E_TMP/uninstall-key"; }
win_instdir='C:\users\'"$(id -un)"'\AppData\Local\Programs\Pallastro'
[ "$(value DisplayName)" = Pallastro ] || fail "DisplayName is '$(value DisplayName)'"
[ "$(value DisplayVersion)" = "$VERSION" ] || fail "DisplayVersion is '$(value DisplayVersion)'"
[ "$(value Publisher)" = Pallastro ] || fail "Publisher is '$(value Publisher)'"
[ "$(value DisplayIcon)" = "$win_instdir\\pallastro.exe,0" ] || fail "DisplayIcon is '$(value DisplayIcon)'"
[ "$(value InstallLocation)" = "$win_instdir" ] || fail "InstallLocation is '$(value InstallLocation)'"
[ "$(value UninstallString)" = "\"$win_instdir\\Uninstall.exe\"" ] || fail "UninstallString is '$(value UninstallString)'"
[ "$(value NoModify)" = 0x1 ] || fail "NoModify is '$(value NoModify)'"
[ "$(value NoRepair)" = 0x1 ] || fail "NoRepair is '$(value NoRepair)'"
if wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Pallastro' >/dev/null 2>&1; then
    fail "an entry for every user was written"
fi

step "saved readings: their type and extension for this user, none for every user"
[ "$(reg_value "$CLASSES\\.grn")" = "$READING_TYPE" ] || fail ".grn names '$(reg_value "$CLASSES\\.grn")'"
reg_value "$CLASSES\\.grn\\OpenWithProgids" "$READING_TYPE" >/dev/null || fail ".grn does not list $READING_TYPE to open with"
[ "$(reg_value "$CLASSES\\$READING_TYPE")" = "Pallastro reading" ] ||
    fail "the type is called '$(reg_value "$CLASSES\\$READING_TYPE")'"
[ "$(reg_value "$CLASSES\\$READING_TYPE\\DefaultIcon")" = "$win_instdir\\pallastro.exe,1" ] ||
    fail "the type's icon is '$(reg_value "$CLASSES\\$READING_TYPE\\DefaultIcon")'"
[ "$(reg_value "$CLASSES\\$READING_TYPE\\shell\\open\\command")" = "\"$win_instdir\\pallastro.exe\" \"%1\"" ] ||
    fail "the type opens with '$(reg_value "$CLASSES\\$READING_TYPE\\shell\\open\\command")'"
for key in .grn "$READING_TYPE"; do
    if has_key "HKLM\\Software\\Classes\\$key"; then fail "$key was registered for every user"; fi
done

step "the installed program starts and saves a reading into Documents"
start_app "$win_instdir\\pallastro.exe"
MAIN=$(wait_window "$TITLE" "$MAIN_WIDTH" 60) || fail "the installed program showed no main window"
focus_window "$MAIN"
keyboard_reading 15
# The user's Documents folder as the user knows it (Wine links it to the
# Linux home of the run).
file_dialog save alt+s 'C:\users\'"$(id -un)"'\Documents\john' 15
wait_gone "Pallastro" "" 10 || fail "the save dialog did not close"
wait_bytes "$documents/john.grn" "$john" || fail "the reading was not saved; in Documents: $(ls -A "$documents/")"
wmctrl -i -c "$RESULT"
wait_exit "$APP_PID" 15 || fail "the installed program did not end"
# A reading the user chose to keep in the program's own folder.
cp "$documents/john.grn" "$instdir/kept.grn"

step "a reading opened as Explorer opens it starts the program with it, which shows it"
merge_user_classes
python3 "$HARNESS_DIR/plus85.py" write "$documents/opened.grn" 7 3
win_reading='C:\users\'"$(id -un)"'\Documents\opened.grn'
launch wine start "$win_reading"
poll 60 started_copy || fail "wine start did not start $win_instdir\\pallastro.exe: $(cat "$E2E_TMP"/app*.log)"
arguments=$(tr '\0' '\n' <"/proc/$COPY/cmdline" | tail -n +2 | grep .)
[ "$arguments" = "$win_reading" ] || fail "the program was started with: $arguments"
RESULT=$(wait_window "$TITLE" "$RESULT_WIDTH" 60) || fail "the program wine start started does not show the reading"
[ -z "$(windows_named "$TITLE" "$MAIN_WIDTH")" ] || fail "a main window shows beside the reading"
wmctrl -i -c "$RESULT"
poll 15 has_ended "$COPY" || fail "closing the reading did not end the program"

step "silent uninstall"
wine "$instdir/Uninstall.exe" /S >"$E2E_TMP/uninstall.log" 2>&1 || fail "the uninstaller failed with status $?"
# The uninstaller runs on from a copy of itself and removes the original last.
poll 30 [ ! -e "$instdir/Uninstall.exe" ] || fail "the uninstaller did not finish"
sleep 1
leftover=$(cd "$instdir" && find . -mindepth 1 | sort | tr '\n' ' ')
[ "$leftover" = "./kept.grn " ] || fail "left in the program's folder: $leftover"
[ ! -e "$shortcut" ] || fail "the Start-menu entry stayed"
if wine reg query "$UNINSTALL_KEY" >/dev/null 2>&1; then fail "the uninstall entry stayed"; fi
[ "$(hexbytes "$documents/john.grn")" = "$john" ] || fail "the reading in Documents was touched"
[ "$(hexbytes "$instdir/kept.grn")" = "$john" ] || fail "the reading kept in the program's folder was touched"
for key in .grn "$READING_TYPE"; do
    if has_key "$CLASSES\\$key"; then fail "$key stayed registered: $(wine reg query "$CLASSES\\$key" /s 2>&1 | tr -d '\r')"; fi
done

step "installed again, and .grn claimed by another program: the uninstaller leaves that claim"
wine "$SETUP" /S >"$E2E_TMP/setup.log" 2>&1 || fail "the second install failed with status $?"
wine reg add "$CLASSES\\.grn" /ve /d Other.Type /f >/dev/null 2>&1 || fail "no other claim could be written"
wine "$instdir/Uninstall.exe" /S >"$E2E_TMP/uninstall.log" 2>&1 || fail "the second uninstall failed with status $?"
poll 30 [ ! -e "$instdir/Uninstall.exe" ] || fail "the second uninstall did not finish"
[ "$(reg_value "$CLASSES\\.grn")" = Other.Type ] || fail "the other program's claim on .grn is gone"
if has_key "$CLASSES\\$READING_TYPE"; then fail "$READING_TYPE stayed"; fi
if reg_value "$CLASSES\\.grn\\OpenWithProgids" "$READING_TYPE" >/dev/null; then fail ".grn still lists $READING_TYPE"; fi
echo "ok"
