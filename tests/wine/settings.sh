#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Changes the program's stored values in the registry of the current prefix
# (WINEPREFIX), as time or a user would:
#
#   settings.sh move-reminder-back DAYS   the last reminder date, DAYS earlier
#
# The values live under HKCU\Software\Pallastro\pallastro\Settings, names and
# values stored in the program's +85 text encoding (tests/harness/plus85.py).
# They are read and written through reg export / reg import, whose files are
# UTF-16 and carry those characters unchanged.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=wineenv.sh
. "$here/wineenv.sh"
: "${WINEPREFIX:?no Windows installation (WINEPREFIX) to change}"
KEY='HKEY_CURRENT_USER\Software\Pallastro\pallastro\Settings'

case ${1:-} in
    move-reminder-back) days=${2:?number of days} ;;
    *) echo "usage: settings.sh move-reminder-back DAYS" >&2; exit 2 ;;
esac

tmp=$(mktemp -d /tmp/pallastro-wine-settings.XXXXXX)
trap 'rm -rf "$tmp"' EXIT
wine reg export "$KEY" "$(wine_path "$tmp/before.reg")" /y >/dev/null 2>&1 ||
    { echo "settings.sh: no $KEY in this prefix" >&2; exit 1; }

PYTHONPATH=$here/../harness PYTHONDONTWRITEBYTECODE=1 python3 - "$tmp/before.reg" "$tmp/after.reg" "$KEY" "$days" <<'PY'
import datetime, sys
from plus85 import encode, decode

source, target, key, days = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])

# Split on CR LF only: U+0085, an encoded "0", is a line break to Python.
lines = open(source, 'rb').read().decode('utf-16').split('\r\n')
prefix = '"%s"="' % encode('Duration')
stored = [l[len(prefix):-1] for l in lines if l.startswith(prefix) and l.endswith('"')]
if not stored:
    sys.exit('settings.sh: no stored reminder date under %s' % key)
before = datetime.date.fromisoformat(decode(stored[0]))
after = before - datetime.timedelta(days=days)
print('reminder date %s -> %s' % (before, after))
text = 'Windows Registry Editor Version 5.00\r\n\r\n[%s]\r\n%s%s"\r\n' % (key, prefix, encode(after.isoformat()))
open(target, 'wb').write(text.encode('utf-16'))
PY
wine reg import "$(wine_path "$tmp/after.reg")" >/dev/null 2>&1
