#!/usr/bin/env bash
# The English translations of the window, one a folder of windows; the
# engine's and the table core's texts go with the platform layer, which shows them.
#   translations.sh update   brings every <folder>_en.ts up to date with the
#                            texts in the sources (new texts come in
#                            untranslated, texts no longer used go)
#   translations.sh check    fails when a .ts is not up to date with the
#                            sources or holds a text not yet translated
# LUPDATE names Qt's lupdate when it is not the Debian one.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
mode=${1:-update}
# Texts are given to ui::Tr / dbf::Tr as (context, Russian text); DBF_TR_NOOP
# marks a text kept in a constant.
options=(-silent -locations none -no-obsolete -source-language ru_RU -target-language en_US
         -tr-function-alias "translate+=Tr,QT_TRANSLATE_NOOP+=DBF_TR_NOOP")
sets=(
  "ui/platform/platform_en.ts engine core ui/platform"
  "ui/main/main_en.ts ui/main"
  "ui/office/office_en.ts ui/office"
  "ui/rawview/rawview_en.ts ui/rawview"
)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
for set in "${sets[@]}"; do
  read -r ts dirs <<<"$set"
  sources=()
  for dir in $dirs; do sources+=("$root/$dir"); done
  case "$mode" in
    update)
      "$lupdate" "${options[@]}" "${sources[@]}" -ts "$root/$ts"
      ;;
    check)
      copy="$work/$(basename "$ts")"
      cp "$root/$ts" "$copy"
      "$lupdate" "${options[@]}" "${sources[@]}" -ts "$copy"
      if ! diff -u "$root/$ts" "$copy"; then
        echo "$ts is not up to date with the sources: run scripts/translations.sh update" >&2
        failed=1
      fi
      untranslated=$(grep -c 'type="unfinished"' "$copy" || true)
      if [ "$untranslated" != 0 ]; then
        echo "$ts: $untranslated text(s) without an English translation" >&2
        failed=1
      fi
      ;;
    *)
      echo "usage: $0 update|check" >&2
      exit 2
      ;;
  esac
done
exit "$failed"
