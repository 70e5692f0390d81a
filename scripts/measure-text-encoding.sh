#!/usr/bin/env bash
# Measures how often the text-file rule reads real text in the encoding it
# was written in, and prints the table: Japanese from manpages-ja and
# debian-reference-ja, Western text from the French, German, Spanish and
# Polish manual pages, English lines with signs from the copyright files
# under /usr/share/doc, the gettext catalogs in Chinese (simplified and
# traditional), Korean, Russian, Greek and French under /usr/share/locale,
# short strings cut from the Japanese text, and the one-page hierarchical
# texts the program writes. Installs those packages (and some whose
# catalogs are translated widely) when missing, builds
# text_encoding_measure (build/measure, optimised) and runs it.
# SHOW_WRONG=1 also lists each line, word, string and title read wrong.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
packages=(manpages-ja debian-reference-ja manpages-fr manpages-de manpages-es manpages-pl
  gettext iso-codes libc-l10n coreutils findutils grep sed tar diffutils dpkg apt bash)

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
cmake -S "$root" -B "$root/build/measure" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELK_BUILD_BENCH=ON >/dev/null
cmake --build "$root/build/measure" --target text_encoding_measure -j3 >/dev/null

corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
catalogs=(chinese-simplified=zh_CN chinese-traditional=zh_TW korean=ko russian=ru greek=el french=fr)
mkdir -p "$corpus"/{japanese,western,signs}
catalogKinds=()

# The packages' compressed text, one plain file each, UTF-8 only.
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
for catalog in "${catalogs[@]}"; do
  kind=${catalog%%=*} language=${catalog#*=}
  mkdir -p "$corpus/$kind"
  catalogKinds+=("$kind=$corpus/$kind")
  for file in /usr/share/locale/"$language"/LC_MESSAGES/*.mo; do
    msgunfmt --no-wrap "$file" >"$corpus/$kind/$(basename "$file" .mo).txt" 2>/dev/null || true
  done
done
for file in "$corpus"/*/*.txt; do
  iconv -f UTF-8 -t UTF-8 "$file" >/dev/null 2>&1 || rm "$file"
done

"$root/build/measure/bench/platform_core/text_encoding_measure" \
  japanese="$corpus/japanese" western="$corpus/western" signs="$corpus/signs" \
  "${catalogKinds[@]}" short="$corpus/japanese" titles
