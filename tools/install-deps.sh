#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need. Safe to run again:
# it only calls apt-get when something is missing.
set -euo pipefail

pkgs=(cmake g++ make googletest libgtest-dev mingw-w64 gcc-multilib
      wine wine32:i386 wine64 xvfb xdotool imagemagick x11-utils xauth python3 clang-format
      clang libclang-rt-14-dev
      locales fonts-noto-cjk fonts-dejavu fonts-liberation
      tesseract-ocr tesseract-ocr-rus tesseract-ocr-pol tesseract-ocr-ell tesseract-ocr-tur
      tesseract-ocr-jpn tesseract-ocr-chi-sim tesseract-ocr-chi-tra tesseract-ocr-kor tesseract-ocr-fra
      tesseract-ocr-heb tesseract-ocr-ara tesseract-ocr-tha
      tesseract-ocr-slk tesseract-ocr-slv tesseract-ocr-hrv tesseract-ocr-ron tesseract-ocr-bul tesseract-ocr-ukr
      tesseract-ocr-est tesseract-ocr-lav tesseract-ocr-srp tesseract-ocr-srp-latn tesseract-ocr-cat
      fonts-thai-tlwg fonts-noto-core fonts-wine ccache)

SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO=sudo; fi

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
    need_update=1
fi

missing=()
for p in "${pkgs[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    # A mirror in the middle of a sync fails one index (seen: i386 security)
    # while the others are fine: go on with the lists there are.
    $SUDO apt-get update -qq || echo "apt-get update failed for some lists; going on with those there are" >&2
    if ! $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"; then
        # Without a current i386 list the 32-bit packages cannot be matched
        # to the 64-bit ones: install the rest, and the tests run the x86_64
        # build under the 64-bit Wine (tools/wine-arch.sh).
        rest=()
        for p in "${missing[@]}"; do case "$p" in *:i386) ;; *) rest+=("$p") ;; esac; done
        [ ${#rest[@]} -eq ${#missing[@]} ] && exit 1
        echo "the 32-bit Wine could not be installed: the tests use the 64-bit Wine and the x86_64 build" >&2
        [ ${#rest[@]} -eq 0 ] || $SUDO apt-get install -y -qq --no-install-recommends "${rest[@]}"
    fi
fi

# The -win32 thread model needs no winpthreads DLL.
for t in gcc g++; do
    if [ -e /usr/bin/i686-w64-mingw32-$t-win32 ]; then
        cur=$(readlink -f /usr/bin/i686-w64-mingw32-$t || true)
        case "$cur" in *-win32) ;; *) $SUDO update-alternatives --set i686-w64-mingw32-$t /usr/bin/i686-w64-mingw32-$t-win32 >/dev/null 2>&1 || true ;; esac
    fi
done

# The Unix locales of the language prefixes (tests/lib/lang.sh): Wine takes a
# prefix's system locale and ANSI code page from LC_ALL. A modifier follows
# the encoding: sr_RS@latin is made as sr_RS.UTF-8@latin. A modifier that
# glibc has no source for takes the plain one: sr_RS@cyrillic (the name Wine
# reads as Serbian in Cyrillic) is made from sr_RS, which is Cyrillic.
want=$(awk -F'\t' '!/^#/ {print $5}' "$(dirname "$0")/../tests/lib/lang.tsv" | sort -u)
have=$(locale -a 2>/dev/null | tr -d '-' | tr 'A-Z' 'a-z')
for l in $want; do
    base=${l%%@*}
    name="$base.UTF-8${l#"$base"}"
    low=$(echo "$name" | tr -d '-' | tr 'A-Z' 'a-z')
    echo "$have" | grep -qx "$low" && continue
    src=$l
    [ -e "/usr/share/i18n/locales/$l" ] || src=$base
    echo "generating locale $name"
    $SUDO localedef -i "$src" -f UTF-8 "$name"
done
