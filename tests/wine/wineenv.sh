# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Shared by the Wine scripts: how a Windows program of this build is started
# under Wine here. Sourced, not run.
#
# Wine keeps a Windows environment of its own: it drops every variable whose
# name begins with QT_ and takes WINEQT_xxx as QT_xxx instead; PATH comes
# from WINEPATH. Each run gets a prefix (a Windows installation) of its own,
# a copy of a booted template when PALLASTRO_WINE_TEMPLATE names one.

export WINEDEBUG=-all
# No .NET or HTML engine download prompts; no menu entries or file
# associations written into the Linux desktop of whoever runs the tests.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="

# wine_qt_environment: hands the QT_ variables set here to the Windows side,
# with Qt Test's output on stderr rather than on the (absent) debugger, and
# fonts for the offscreen platform, which reads no Windows font list.
wine_qt_environment() {
    local name
    for name in $(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
        export "WINE$name=${!name}"
    done
    export WINEQT_FORCE_STDERR_LOGGING=1
    export WINEQT_QPA_FONTDIR="${WINEQT_QPA_FONTDIR:-Z:\\usr\\share\\fonts\\truetype\\dejavu}"
}

# wine_dll_path DIR:DIR...: Unix folders as the Windows DLL search path.
wine_dll_path() {
    local dirs=$1 dir path=
    local IFS=:
    for dir in $dirs; do
        [ -n "$dir" ] || continue
        path="$path${path:+;}Z:$(printf '%s' "$dir" | tr / '\\')"
    done
    export WINEPATH="$path"
}

# wine_boot_prefix DIR: a new Windows installation in DIR (about 8 s, 700 MB).
wine_boot_prefix() {
    mkdir -p "$(dirname "$1")"
    WINEPREFIX=$1 wineboot -i >/dev/null 2>&1
    WINEPREFIX=$1 wineserver -w
}

# wine_prefix DIR: makes DIR a prefix to run in and starts its server. From
# the template it is a hard-linked copy, made in a moment; Wine replaces its
# registry files rather than writing into them, and the files a run writes
# are new ones, so the template is never changed. The registry files are
# copied all the same, so that nothing can reach the template through them.
wine_prefix() {
    local prefix=$1
    if [ -n "${PALLASTRO_WINE_TEMPLATE:-}" ] && [ -f "$PALLASTRO_WINE_TEMPLATE/system.reg" ]; then
        cp -al "$PALLASTRO_WINE_TEMPLATE" "$prefix"
        cp --remove-destination "$PALLASTRO_WINE_TEMPLATE"/*.reg "$prefix"/
    else
        wine_boot_prefix "$prefix"
    fi
    export WINEPREFIX=$prefix
    # A server that stays up between the runs of one script; without it the
    # first program can hang while a server starts under it.
    wineserver -p
}

# wine_prefix_end: stops the prefix's server and every program in it.
wine_prefix_end() {
    [ -n "${WINEPREFIX:-}" ] || return 0
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
}

# The Windows form of a Unix path: Z:\tmp\x.
wine_path() { printf 'Z:%s' "$(printf '%s' "$1" | tr / '\\')"; }
