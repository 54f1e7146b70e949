#!/usr/bin/env bash
# Checks of the installed tree. Usage:
#   install_test.sh install PREFIX BUILD CMAKE   install the build into PREFIX (afresh)
#   install_test.sh CHECK PREFIX SOURCE          CHECK: contents, desktop, metainfo, manpages
# Exit status 0 passed, 1 failed, 77 skipped (a tool is missing; the reason is printed).
set -uo pipefail

check=$1
prefix=$2
app_id=org.lumox.Lumox
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

skip() {
    echo "SKIPPED: $*"
    exit 77
}

need_tool() {
    command -v "$1" > /dev/null || skip "$1 is not installed (package $2; scripts/setup.sh installs it)"
}

# Long options named in a text, one per line, sorted.
long_options() {
    grep -oE -- '--[a-z][a-z0-9-]*' | sort -u
}

# The text of a manual page's source with troff's escapes for '-' and fonts removed.
man_source() {
    gzip -dc "$1" | sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g'
}

# Width and height of a PNG file, from its header chunk.
png_size() {
    local bytes
    bytes=$(od -An -tu1 -j16 -N8 "$1" | tr -s ' ' ' ')
    read -r w1 w2 w3 w4 h1 h2 h3 h4 <<< "$bytes"
    echo "$(((w1 << 24) | (w2 << 16) | (w3 << 8) | w4))x$(((h1 << 24) | (h2 << 16) | (h3 << 8) | h4))"
}

case $check in
install)
    build=$3
    cmake=$4
    rm -rf "$prefix"
    "$cmake" --install "$build" --prefix "$prefix" > /dev/null || fail "cmake --install"
    ;;

contents)
    source=$3
    # Everything but the setup program, which is installed only where it is built.
    expected=$(
        printf '%s\n' bin/lumox bin/lumox-cli libexec/lumox/lumox-cli-graphics \
            share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml \
            share/icons/hicolor/scalable/apps/$app_id.svg \
            share/man/man1/lumox.1.gz share/man/man1/lumox-cli.1.gz \
            share/bash-completion/completions/lumox-cli \
            share/doc/lumox/README.md share/doc/lumox/copyright \
            share/doc/lumox/changelog.Debian.gz share/lumox/examples/README.md
        for size in 16 22 24 32 48 64 128 256; do
            echo "share/icons/hicolor/${size}x$size/apps/$app_id.png"
        done
        for page in "$source"/../../src/ui/help/*.html; do
            echo "share/doc/lumox/help/$(basename "$page")"
        done
        for data in "$source"/../../examples/*.dat; do
            echo "share/lumox/examples/$(basename "$data")"
        done
    )
    actual=$(cd "$prefix" && find . -type f ! -name 'lumox-setup*' | sed 's|^\./||')
    difference=$(diff <(sort <<< "$expected") <(sort <<< "$actual"))
    [ -z "$difference" ] || fail "installed files differ from the expected list (< expected, > installed):
$difference"
    for program in lumox lumox-cli; do
        [ -x "$prefix/bin/$program" ] || fail "bin/$program is not executable"
    done
    # The installed lumox-cli finds its graphics program for --image.
    picture=$(mktemp --suffix=.svg)
    "$prefix/bin/lumox-cli" "$source/../../examples/tab21.dat" --scatter Hours:Score \
        --image "$picture" > /dev/null || fail "the installed lumox-cli draws no --image"
    grep -q '<svg' "$picture" || fail "the installed lumox-cli wrote no SVG picture"
    rm -f "$picture"
    for png in "$prefix"/share/icons/hicolor/*x*/apps/$app_id.png; do
        folder=$(basename "$(dirname "$(dirname "$png")")")
        [ "$(png_size "$png")" = "$folder" ] || fail "$png is $(png_size "$png"), not $folder"
    done
    # Every help page installed is also built into the program, where Help shows it.
    for page in "$source"/../../src/ui/help/*.html; do
        grep -q "<file>help/$(basename "$page")</file>" "$source/../../src/ui/lumox.qrc" ||
            fail "help/$(basename "$page") is not in src/ui/lumox.qrc"
    done
    ;;

desktop)
    need_tool desktop-file-validate desktop-file-utils
    entry=$prefix/share/applications/$app_id.desktop
    output=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $output"
    grep -E '^(error|warning)' <<< "$output" && fail "desktop-file-validate reports problems"
    value() { sed -n "s/^$1=//p" "$entry"; }
    program=$(value Exec | cut -d' ' -f1)
    [ -x "$prefix/bin/$program" ] || fail "Exec names $program, which is not installed"
    [ "$(value Exec)" = "$program %f" ] || fail "Exec does not pass one file: $(value Exec)"
    icon=$(value Icon)
    [ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] ||
        fail "Icon $icon has no scalable icon"
    for type in application/x-dbf text/plain text/csv \
        application/vnd.openxmlformats-officedocument.spreadsheetml.sheet \
        application/vnd.oasis.opendocument.spreadsheet; do
        value MimeType | tr ';' '\n' | grep -qx "$type" || fail "MimeType lacks $type"
    done
    for category in Science Math Education; do
        value Categories | tr ';' '\n' | grep -qx "$category" || fail "Categories lack $category"
    done
    ;;

metainfo)
    need_tool appstreamcli appstream
    metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
    output=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate: $output"
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
        fail "the metainfo does not launch $app_id.desktop"
    [ -f "$prefix/share/applications/$app_id.desktop" ] || fail "no desktop entry $app_id.desktop"
    grep -q '<screenshot type="default">' "$metainfo" || fail "no default screenshot"
    version=$("$prefix/bin/lumox-cli" --version | cut -d' ' -f2)
    grep -q "<release version=\"$version\"" "$metainfo" || fail "no release $version"
    ;;

manpages)
    # Each program's page names exactly the long options of its --help.
    for program in lumox lumox-cli lumox-setup; do
        page=$prefix/share/man/man1/$program.1.gz
        if [ ! -x "$prefix/bin/$program" ]; then
            [ "$program" = lumox-setup ] && continue
            fail "bin/$program is not installed"
            continue
        fi
        [ -f "$page" ] || { fail "no manual page for $program"; continue; }
        if ! help=$(timeout 20 "$prefix/bin/$program" --help 2>&1); then
            fail "$program --help failed: $help"
            continue
        fi
        difference=$(diff <(long_options <<< "$help") <(man_source "$page" | long_options))
        [ -z "$difference" ] ||
            fail "$program(1) and $program --help differ in options (< help only, > page only):
$difference"
        version=$("$prefix/bin/$program" --version 2>&1)
        # sed reads the whole page: head would close the pipe early, and under pipefail the
        # writer's SIGPIPE would fail the check now and then.
        title=$(man_source "$page" | sed -n 1p)
        grep -qF "\"Lumox ${version##* }\"" <<< "$title" ||
            fail "$program(1) does not carry the version of $program --version ($version)"
        if command -v groff > /dev/null; then
            warnings=$(gzip -dc "$page" | groff -man -Tutf8 -ww -z 2>&1)
            [ -z "$warnings" ] || fail "groff warns about $program(1): $warnings"
        fi
    done
    ;;

*)
    echo "unknown check $check"
    exit 2
    ;;
esac

[ "$failures" -eq 0 ] || exit 1
echo "passed: $check"
