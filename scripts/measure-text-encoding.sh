#!/usr/bin/env bash
# Measures how often the text-file rule reads real text in the encoding it
# was written in, beside ICU's detector, and prints the table (see
# bench/platform_core/text_encoding_measure.cpp for the kinds and the two
# halves every corpus is split into). The text comes from Debian packages,
# installed when missing:
# - Japanese: manpages-ja, debian-reference-ja, the system's Japanese
#   gettext catalogs; the dictionaries skkdic, edict, enamdict and
#   naist-jdic (EUC-JP, converted), CSV lines and addresses made of
#   naist-jdic's words, places and names; short strings cut from the
#   Japanese text; the program's hierarchical texts of the dictionaries'
#   words;
# - other text in UTF-8: the French, German, Spanish and Polish manual
#   pages, English lines with signs from the copyright files, gettext
#   catalogs in twenty languages, Python and Perl sources and C headers
#   holding other than ASCII, and lines with emoji (unicode-data's emoji
#   list, and Japanese catalog lines with an emoji after them).
# CORPUS=FOLDER keeps the gathered text there and reuses it on the next
# run; MEASURE_BUILD=FOLDER builds text_encoding_measure there (default
# build/measure, optimised). SHOW_WRONG=1 also lists the tuning half's
# pieces read wrong; NO_ICU=1 leaves ICU's detector out, for a quicker run.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
packages=(manpages-ja debian-reference-ja manpages-fr manpages-de manpages-es manpages-pl
  skkdic edict enamdict naist-jdic unicode-data
  gettext iso-codes libc-l10n coreutils findutils grep sed tar diffutils dpkg apt bash perl)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update
  $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

"$root/scripts/install-deps.sh"
build="${MEASURE_BUILD:-$root/build/measure}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELK_BUILD_BENCH=ON >/dev/null
cmake --build "$build" --target text_encoding_measure -j3 >/dev/null

catalogs=(Chinese-simplified=zh_CN Chinese-traditional=zh_TW Korean=ko Russian=ru Greek=el French=fr
  Hebrew=he Amharic=am Vietnamese=vi Thai=th Arabic=ar Ukrainian=uk Hindi=hi Georgian=ka Armenian=hy
  Turkish=tr Czech=cs Spanish=es German=de Portuguese=pt_BR)

if [ -n "${CORPUS:-}" ]; then
  corpus=$CORPUS
else
  corpus=$(mktemp -d)
  trap 'rm -rf "$corpus"' EXIT
fi

keep_utf8_only() {
  for file in "$corpus"/*/*.txt; do
    iconv -f UTF-8 -t UTF-8 "$file" >/dev/null 2>&1 || rm "$file"
  done
}

gather() {
  mkdir -p "$corpus"/{japanese,japanese-catalogs,dictionaries,csv,addresses,words,western,signs,source,emoji}

  # The packages' compressed text, one plain file each.
  unpack() { # FOLDER PACKAGE...
    local folder=$1 n=0
    shift
    for file in $(dpkg -L "$@" | grep '\.gz$'); do
      n=$((n + 1))
      zcat "$file" >"$folder/$n.txt"
    done
  }
  unpack "$corpus/japanese" manpages-ja debian-reference-ja
  unpack "$corpus/western" manpages-fr manpages-de manpages-es manpages-pl
  n=0
  for file in /usr/share/doc/*/copyright; do
    n=$((n + 1))
    cp "$file" "$corpus/signs/$n.txt"
  done
  for catalog in "${catalogs[@]}" japanese-catalogs=ja; do
    kind=${catalog%%=*} language=${catalog#*=}
    mkdir -p "$corpus/$kind"
    for file in /usr/share/locale/"$language"/LC_MESSAGES/*.mo; do
      msgunfmt --no-wrap "$file" >"$corpus/$kind/$(basename "$file" .mo).txt" 2>/dev/null || true
    done
  done
  keep_utf8_only

  # The dictionaries, and words, CSV lines and addresses made of them.
  iconv -c -f EUC-JP -t UTF-8 /usr/share/skk/SKK-JISYO.L >"$corpus/dictionaries/skk.txt"
  iconv -c -f EUC-JP -t UTF-8 /usr/share/edict/edict >"$corpus/dictionaries/edict.txt"
  iconv -c -f EUC-JP -t UTF-8 /usr/share/edict/enamdict >"$corpus/dictionaries/enamdict.txt"
  iconv -c -f EUC-JP -t UTF-8 /usr/share/chasen/dic/naist-jdic/naist-jdic.dic >"$corpus/dictionaries/naist-jdic.txt"
  perl -CSD "$root/scripts/measure-text-encoding-corpus.pl" "$corpus"

  # Sources holding other than ASCII.
  n=0
  for file in $(grep -rlP '[\x80-\xFF]' /usr/lib/python3* /usr/share/perl* /usr/include \
    --include='*.py' --include='*.pm' --include='*.pl' --include='*.h' 2>/dev/null | sort); do
    n=$((n + 1))
    cp "$file" "$corpus/source/$n.txt"
  done
  keep_utf8_only
  touch "$corpus/.complete"
}
[ -e "$corpus/.complete" ] || gather

catalogKinds=()
for catalog in "${catalogs[@]}"; do
  kind=${catalog%%=*}
  catalogKinds+=("catalog:${kind/-/ }=$corpus/$kind")
done
"$build/bench/platform_core/text_encoding_measure" \
  japanese="$corpus/japanese" japanese-catalogs="$corpus/japanese-catalogs" \
  dictionaries="$corpus/dictionaries" csv="$corpus/csv" addresses="$corpus/addresses" \
  short="$corpus/japanese" velk="$corpus/words" titles kana-titles \
  western="$corpus/western" signs="$corpus/signs" source="$corpus/source" emoji="$corpus/emoji" \
  "${catalogKinds[@]}"
