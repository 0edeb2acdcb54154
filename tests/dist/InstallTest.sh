#!/usr/bin/env bash
# Checks what `cmake --install` and `cpack -G DEB` deliver, each with the tool a
# Linux distribution checks it with. Usage: InstallTest.sh CHECK BUILD_DIR VERSION.
# Exits 77 (skipped) when the tool a check needs is not installed.
set -euo pipefail
check=$1 build=$2 version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

need() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
    done
}
fail() { echo "FAILED: $*"; exit 1; }

# Runs a command that must succeed and print nothing on standard error.
quiet() {
    "$@" 2>"$work/stderr" || { cat "$work/stderr"; fail "$*"; }
    if [ -s "$work/stderr" ]; then cat "$work/stderr"; fail "$* wrote to standard error"; fi
}

install_into() {
    cmake --install "$build" --prefix "$1" >/dev/null
}

case $check in
desktop-entry)
    need desktop-file-validate
    install_into "$work/usr"
    desktop-file-validate "$work/usr/share/applications/spln.desktop"
    ;;
metainfo)
    need appstreamcli
    install_into "$work/usr"
    appstreamcli validate --no-net "$work"/usr/share/metainfo/*.metainfo.xml
    ;;
mime-type)
    need update-mime-database gio
    install_into "$work/usr"
    export XDG_DATA_HOME=$work/usr/share XDG_DATA_DIRS=$work/usr/share:/usr/share
    quiet update-mime-database "$work/usr/share/mime"
    # file name, first bytes, the type it must be taken for
    while read -r name content type; do
        printf "$content" >"$work/$name"
        found=$(gio info -a standard::content-type "$work/$name" | sed -n 's/.*content-type: //p')
        [ "$found" = "$type" ] || fail "$name is taken for $found, not $type"
    done <<'FILES'
saved.spl               Spln\040experiment\0401\r\nsource\0400\r\n   application/x-spln-experiment
saved-without-extension Spln\040experiment\0401\nsource\0400\n         application/x-spln-experiment
movie.spl               FWS\010\000\000\000                          application/vnd.adobe.flash.movie
FILES
    ;;
manual-pages)
    need man groff
    install_into "$work/usr"
    for page in spln spln-cli; do
        MANWIDTH=80 quiet man --warnings -l "$work/usr/share/man/man1/$page.1.gz" >"$work/$page.txt"
    done
    # The page says what --help says, word for word and in the same order
    # (headings and layout may come between the words).
    "$work/usr/bin/spln-cli" --help | sed '1s/^Usage://' | tr -cs 'A-Za-z0-9.|' '\n' >"$work/help-words"
    MANWIDTH=1000 man -l "$work/usr/share/man/man1/spln-cli.1.gz" 2>/dev/null | tr -cs 'A-Za-z0-9.|' '\n' >"$work/page-words"
    awk 'BEGIN { i = 0; n = 0 } NR == FNR { if (NF) want[n++] = $0; next } i < n && $0 == want[i] { i++ }
         END { if (i < n) { print "the page lacks --help from the word \"" want[i] "\" (word " i + 1 ")"; exit 1 } }' \
        "$work/help-words" "$work/page-words" || fail "spln-cli.1 is not in step with --help"
    grep -q 'Ctrl+N' "$work/spln.txt" || fail "spln.1 lacks the keyboard shortcuts"
    ;;
installed-tree)
    install_into "$work/prefix"
    (cd "$work/prefix" && find . -type f -o -type l | sort) >"$work/tree"
    sed 's/^ *//' >"$work/expected" <<'TREE'
        ./bin/spln
        ./bin/spln-cli
        ./share/applications/spln.desktop
        ./share/doc/spln/changelog.gz
        ./share/doc/spln/copyright
        ./share/icons/hicolor/128x128/apps/spln.png
        ./share/icons/hicolor/16x16/apps/spln.png
        ./share/icons/hicolor/24x24/apps/spln.png
        ./share/icons/hicolor/256x256/apps/spln.png
        ./share/icons/hicolor/32x32/apps/spln.png
        ./share/icons/hicolor/48x48/apps/spln.png
        ./share/icons/hicolor/64x64/apps/spln.png
        ./share/icons/hicolor/scalable/apps/spln.svg
        ./share/man/man1/spln-cli.1.gz
        ./share/man/man1/spln.1.gz
        ./share/metainfo/io.github.spln.Spln.metainfo.xml
        ./share/mime/packages/spln.xml
TREE
    diff -u "$work/expected" "$work/tree" || fail "the installed tree differs"
    # Both programs name the project version, the desktop program without a display.
    for program in spln spln-cli; do
        line=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$work/prefix/bin/$program" --version)
        [ "$line" = "spln $version" ] || fail "$program --version printed \"$line\""
    done
    ;;
debian-package)
    need cpack dpkg-deb dpkg-shlibdeps lintian
    cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/cpack" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail cpack; }
    deb=$(ls "$work"/cpack/spln_*.deb)
    dpkg-deb -f "$deb" Package Version Section Depends | tee "$work/control"
    dpkg-deb -c "$deb" >"$work/contents"
    grep -q "Version: $version" "$work/control" || fail "the package is not version $version"
    grep -q 'Depends: .*libqt6widgets6' "$work/control" || fail "the package does not depend on Qt"
    grep -q ' ./usr/share/applications/spln.desktop$' "$work/contents" || fail "the package lacks the desktop entry"
    lintian --pedantic -I "$deb" 2>/dev/null | tee "$work/lintian"
    ! grep -q '^E:' "$work/lintian" || fail "lintian found errors"
    ;;
*)
    fail "unknown check $check"
    ;;
esac
echo "passed: $check"
