#!/usr/bin/env bash
# Installs Varnex into a temporary DESTDIR under /usr and checks the tree as a desktop and the
# package tools see it: every file in its place and nothing else, the installed varnex-cli
# finding its program text from any folder, no Qt in it, the desktop entry, metainfo and man
# pages valid, the completion matching the program, and the Debian package holding the same
# files with no lintian error or warning. The validators are skipped, with a note, where they
# are not installed.
# Usage: install_tree.sh BUILD_DIR SOURCE_DIR APP_ID ICON_SIZES
set -euo pipefail
build=$1 source=$2 id=$3 icon_sizes=$4  # the sizes as CMake lists them: 16;32;...
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
have() { command -v "$1" >/dev/null || { echo "note: $1 is not installed, its check is skipped"; return 1; }; }

DESTDIR=$root/dest cmake --install "$build" --prefix /usr >/dev/null
usr=$root/dest/usr
expected=(bin/varnex bin/varnex-cli
    share/varnex/varnex.dat share/varnex/varnex-help.txt share/varnex/varnex-manual.html
    share/varnex/varnex-about.html share/varnex/images/main-window.png share/varnex/images/summary-window.png
    share/varnex/varnex-help.de.txt share/varnex/varnex-manual.de.html share/varnex/varnex-about.de.html
    share/varnex/varnex.css
    share/varnex/images/main-window.de.png share/varnex/images/summary-window.de.png
    share/varnex/translations/varnex_de.qm share/varnex/translations/varnex_de.qm.sha256
    "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"
    "share/icons/hicolor/scalable/apps/$id.svg" share/man/man1/varnex.1.gz share/man/man1/varnex-cli.1.gz
    share/bash-completion/completions/varnex-cli share/doc/varnex/copyright share/doc/varnex/changelog.gz)
for size in ${icon_sizes//;/ }; do
    expected+=("share/icons/hicolor/${size}x$size/apps/$id.png")
    # the PNG's own width and height (IHDR) match its folder
    read -r w h < <(od -An -tu1 -j16 -N8 "$usr/share/icons/hicolor/${size}x$size/apps/$id.png" |
                    awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
    [ "$w $h" = "$size $size" ] || fail "icon ${size}x$size is $w x $h"
done
installed=$(cd "$usr" && find . -type f -o -type l | sed 's|^\./||' | sort)
diff <(printf '%s\n' "${expected[@]}" | sort) <(echo "$installed") || fail "installed files differ (< expected, > installed)"

# The installed command line, run from another folder, finds ../share/varnex and prints what
# the build tree's prints; a lone copy names the folder it looked in last.
mkdir "$root/elsewhere" "$root/lone"
(cd "$root/elsewhere" && "$usr/bin/varnex-cli" 2026 --weekday) >"$root/installed.txt"
"$build/bin/varnex-cli" 2026 --weekday >"$root/built.txt"
cmp -s "$root/installed.txt" "$root/built.txt" || fail "installed varnex-cli prints other lines than the built one"
cp "$usr/bin/varnex-cli" "$root/lone/"
if "$root/lone/varnex-cli" 2026 >/dev/null 2>"$root/lone.err"; then fail "varnex-cli ran without its program text"; fi
grep -qF "$root/share/varnex/varnex.dat" "$root/lone.err" || fail "the message names another path: $(cat "$root/lone.err")"
if ldd "$usr/bin/varnex-cli" | grep -i 'libQt'; then fail "varnex-cli links Qt"; fi

# The window's German translation is installed where it looks for it, and is the built one.
cmp -s "$usr/share/varnex/translations/varnex_de.qm" "$build/bin/translations/varnex_de.qm" ||
    fail "the installed translation differs from the built one"
(cd "$usr/share/varnex/translations" && sed 's/$/  varnex_de.qm/' varnex_de.qm.sha256 | sha256sum --check --quiet) ||
    fail "the installed translation does not match its checksum"
grep -q '^Name\[de\]=' "$usr/share/applications/$id.desktop" || fail "the desktop entry has no German name"
grep -q '<summary xml:lang="de">' "$usr/share/metainfo/$id.metainfo.xml" || fail "the metainfo has no German summary"

if have desktop-file-validate; then
    # One main category (Science), so the menu shows the program once: no hint either.
    out=$(desktop-file-validate "$usr/share/applications/$id.desktop" 2>&1) || fail "desktop entry: $out"
    if grep -E 'error:|warning:|hint:' <<<"$out"; then fail "desktop entry has errors, warnings or hints"; fi
fi
if have appstreamcli; then
    out=$(appstreamcli validate --no-net --no-color "$usr/share/metainfo/$id.metainfo.xml" 2>&1) || fail "metainfo: $out"
    if grep -E '^[EW]:' <<<"$out"; then fail "metainfo has errors or warnings"; fi
fi
mkdir "$root/man"  # the pages uncompressed, for the checkers
for page in "$usr"/share/man/man1/*.1.gz; do gzip -dc "$page" >"$root/man/$(basename "$page" .gz)"; done
if have mandoc; then
    out=$(mandoc -T lint -W warning "$root"/man/*.1 2>&1) || fail "man pages: $out"
    grep -q '±' "$root/man/varnex-cli.1" && ! grep -q '??' "$root/man/varnex-cli.1" ||
        fail "varnex-cli(1) is not in UTF-8 (± shown as ??)"
    [ -z "$out" ] || fail "man pages: $out"
fi
if have groff; then  # -k: through preconv, as man(1) reads a page
    out=$(groff -k -ww -z -man -Tutf8 "$root"/man/*.1 2>&1)
    [ -z "$out" ] || fail "man pages (groff): $out"
fi
# The changelog's latest entry is this version's.
version=$("$build/bin/varnex-cli" --version | grep -o '[0-9][0-9.]*' | head -n 1)
gzip -dc "$usr/share/doc/varnex/changelog.gz" | head -n 1 | grep -q "^varnex ($version) " ||
    fail "changelog.gz does not begin with version $version"
completion=("$source/tests/packaging/completion_test.sh" "$usr/share/bash-completion/completions/varnex-cli" "$usr/bin/varnex-cli")
bash "${completion[@]}" >/dev/null
main_script=/usr/share/bash-completion/bash_completion  # as an interactive shell of a desktop has it
if [ -f "$main_script" ]; then BASH_COMPLETION_SCRIPT=$main_script bash "${completion[@]}" >/dev/null; fi

# The Debian package holds the same files under /usr and depends on what the programs link.
if have cpack && have dpkg-deb && have dpkg-shlibdeps; then
    cpack -G DEB -B "$root/package" --config "$build/CPackConfig.cmake" >"$root/cpack.log" 2>&1 ||
        fail "cpack: $(cat "$root/cpack.log")"
    deb=$(echo "$root"/package/varnex_*.deb)
    packaged=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./usr/||' | sort)
    diff <(echo "$installed") <(echo "$packaged") || fail "the package holds other files than the install"
    depends=$(dpkg-deb -f "$deb" Depends)
    for d in libqt6widgets6 liberfa1 libstdc++6 fonts-liberation fonts-dejavu-core; do
        grep -q "$d" <<<"$depends" || fail "the package does not depend on $d: $depends"
    done
    dpkg-deb -f "$deb" Recommends | grep -q qt6-translations-l10n ||
        fail "the package does not recommend Qt's own translations"
    # Debian's policy checks: errors and warnings fail; info and pedantic tags are allowed.
    if have lintian; then
        out=$(lintian --no-cfg --fail-on none "$deb" 2>&1) || fail "lintian did not run: $out"
        if grep -E '^[EW]: ' <<<"$out"; then fail "lintian reports errors or warnings"; fi
    fi
fi
echo "install tree: ${#expected[@]} files in place"
