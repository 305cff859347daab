#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Installs the build into a throw-away prefix and checks what a desktop
# needs to find, list and start the program: the binary, the desktop entry,
# the AppStream file and the themed icons, and that the two files validate;
# the file type of saved readings, its icon, and the entry and AppStream file
# that claim it; and the manual page, changelog and copyright file a Debian
# system expects.
#
# usage: install_tree.sh BUILD_DIR APP_ID READING_TYPE
set -u

build=$1
id=$2
type=$3
type_icon=$(printf '%s' "$type" | tr / -)
prefix=$(mktemp -d "${TMPDIR:-/tmp}/pallastro-install.XXXXXX")
trap 'rm -rf "$prefix"' EXIT

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok:   $*"; }

if ! cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1; then
    cat "$prefix.log"; rm -f "$prefix.log"
    echo "FAIL: cmake --install"
    exit 1
fi
rm -f "$prefix.log"

# --- the binary -------------------------------------------------------------
bin="$prefix/bin/pallastro"
if [ -x "$bin" ] && file -L "$bin" | grep -q 'ELF.*executable'; then
    pass "bin/pallastro is an executable"
else
    fail "bin/pallastro missing or not an executable"
fi
# An installed binary must not look for libraries in the build tree.
if [ -x "$bin" ] && readelf -d "$bin" | grep -E 'R(UN)?PATH' | grep -q "$build"; then
    fail "bin/pallastro keeps a run path into the build tree"
fi

# --- desktop entry ----------------------------------------------------------
desktop="$prefix/share/applications/$id.desktop"
if [ -f "$desktop" ]; then
    if out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ]; then
        pass "desktop entry validates"
    else
        fail "desktop-file-validate: $out"
    fi
    key() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }
    exec_cmd=$(key Exec | cut -d' ' -f1)
    [ -x "$prefix/bin/$exec_cmd" ] && pass "Exec=$exec_cmd is installed" \
        || fail "Exec=$exec_cmd does not name an installed binary"
    [ "$(key Icon)" = "$id" ] && pass "Icon names the themed icon $id" \
        || fail "Icon=$(key Icon), expected $id"
    # A file manager hands the file over only where Exec has a place for it.
    [ "$(key Exec | cut -d' ' -f2-)" = "%f" ] && pass "Exec takes one file" \
        || fail "Exec=$(key Exec), expected one %f"
    [ "$(key MimeType)" = "$type;" ] && pass "MimeType=$type;" \
        || fail "MimeType=$(key MimeType), expected $type;"
else
    fail "missing share/applications/$id.desktop"
fi

# --- AppStream --------------------------------------------------------------
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
if [ -f "$metainfo" ]; then
    if out=$(appstreamcli validate --no-net "$metainfo" 2>&1); then
        pass "metainfo validates"
    else
        fail "appstreamcli validate: $out"
    fi
    grep -q "<id>$id</id>" "$metainfo" && pass "metainfo id matches its file name" \
        || fail "metainfo <id> is not $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
        && pass "metainfo launches the installed desktop entry" \
        || fail "metainfo does not name $id.desktop as its launchable"
    for part in '<summary>' '<description>' '<screenshot' '<release version="1.0.0"' \
                "<mediatype>$type</mediatype>"; do
        grep -q "$part" "$metainfo" || fail "metainfo lacks $part"
    done
else
    fail "missing share/metainfo/$id.metainfo.xml"
fi

# --- icons --------------------------------------------------------------------
hicolor="$prefix/share/icons/hicolor"
for size in 16 24 32 48 64 128 256; do
    png="$hicolor/${size}x${size}/apps/$id.png"
    if [ ! -f "$png" ]; then
        fail "missing icon ${size}x${size}"
    elif file "$png" | grep -q "PNG image data, $size x $size,"; then
        pass "icon ${size}x${size}"
    else
        fail "icon ${size}x${size} has the wrong size: $(file -b "$png")"
    fi
done
svg="$hicolor/scalable/apps/$id.svg"
if [ -f "$svg" ] && grep -q '<svg' "$svg"; then
    pass "scalable icon"
else
    fail "missing or empty scalable icon"
fi

# --- the file type of saved readings -----------------------------------------
# Built into a database of its own, as shared-mime-info's trigger builds the
# system's: the type must load without a warning, with its glob matched
# case-sensitively (Open takes only a lower-case ending) and its icon there.
mimexml="$prefix/share/mime/packages/$id.xml"
if [ -f "$mimexml" ]; then
    data=$(mktemp -d "${TMPDIR:-/tmp}/pallastro-mime.XXXXXX")
    mimedb=$data/mime
    mkdir -p "$mimedb/packages"
    cp "$mimexml" "$mimedb/packages/"
    # A database in a folder no application searches gets a note.
    if out=$(XDG_DATA_DIRS=$data update-mime-database "$mimedb" 2>&1) && [ -z "$out" ]; then
        pass "the type loads into a MIME database"
    else
        fail "update-mime-database: $out"
    fi
    # The case-sensitive line; a plain one follows it for older readers.
    grep -qxF "50:$type:*.grn:cs" "$mimedb/globs2" 2>/dev/null && pass "*.grn, case-sensitive, is $type" \
        || fail "the database's globs are: $(grep -v '^#' "$mimedb/globs2" 2>&1)"
    icon_name=$(sed -n 's|.*<icon name="\([^"]*\)"/>.*|\1|p' "$mimedb/$type.xml" 2>/dev/null)
    [ "$icon_name" = "$type_icon" ] && pass "the type's icon is $type_icon" \
        || fail "the type's icon is '$icon_name', expected $type_icon"
    rm -rf "$data"
else
    fail "missing share/mime/packages/$id.xml"
fi
for size in 16 24 32 48 64 128 256; do
    png="$hicolor/${size}x${size}/mimetypes/$type_icon.png"
    file "$png" 2>/dev/null | grep -q "PNG image data, $size x $size," \
        || fail "reading icon ${size}x${size}: $(file -b "$png" 2>&1)"
done
grep -q '<svg' "$hicolor/scalable/mimetypes/$type_icon.svg" 2>/dev/null && pass "reading icons" \
    || fail "missing or empty scalable reading icon"

# --- manual page, changelog, copyright ---------------------------------------
# What the files say is lintian's to check (make check-package); here, that
# they are installed, compressed where Debian wants them compressed, and
# that the changelog and the AppStream file name the same release.
doc="$prefix/share/doc/pallastro"
for gz in share/man/man1/pallastro.1.gz share/doc/pallastro/changelog.gz; do
    if gzip -t "$prefix/$gz" 2>/dev/null; then
        pass "$gz"
    else
        fail "$gz missing or not gzip"
    fi
done
[ -s "$doc/copyright" ] && pass "share/doc/pallastro/copyright" \
    || fail "missing share/doc/pallastro/copyright"
if [ -f "$doc/changelog.gz" ] && [ -f "$metainfo" ]; then
    zcat "$doc/changelog.gz" >"$prefix/changelog"
    version=$(dpkg-parsechangelog -l "$prefix/changelog" -S Version)
    date=$(date -u -d "$(dpkg-parsechangelog -l "$prefix/changelog" -S Date)" +%F)
    rm -f "$prefix/changelog"
    if grep -q "<release version=\"$version\" date=\"$date\">" "$metainfo"; then
        pass "changelog and metainfo: release $version of $date"
    else
        fail "the changelog's release $version of $date is not the metainfo's: $(grep '<release ' "$metainfo")"
    fi
fi

# --- nothing else -------------------------------------------------------------
# Static libraries or headers of the build must not leak into the install.
stray=$(cd "$prefix" && find . -type f \
    ! -path './bin/pallastro' \
    ! -path "./share/applications/$id.desktop" \
    ! -path "./share/metainfo/$id.metainfo.xml" \
    ! -path "./share/icons/hicolor/*/apps/$id.*" \
    ! -path "./share/mime/packages/$id.xml" \
    ! -path "./share/icons/hicolor/*/mimetypes/$type_icon.*" \
    ! -path './share/man/man1/pallastro.1.gz' \
    ! -path './share/doc/pallastro/changelog.gz' \
    ! -path './share/doc/pallastro/copyright')
[ -z "$stray" ] && pass "no stray files" || fail "unexpected files installed: $stray"

echo "$failures failure(s)"
[ "$failures" -eq 0 ]
