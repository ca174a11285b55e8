#!/usr/bin/env bash
# Checks the two rules that keep the rooms apart:
# - An include in src/ points down a floor or stays in its own room. The floors, lowest first:
#   base; widgets; options; clock, alarms, calendar (side by side: none includes another); app.
# - A portable file (a source of doviz_core or of its tests, a fuzz target, or any header they
#   reach through quoted includes) includes no Win32 header. The native tree would fail on it
#   too, but only after a long build and with a compiler's message.
# Prints every offending line as FILE:LINE: and fails when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A floor=([base]=0 [widgets]=1 [options]=2 [clock]=3 [alarms]=3 [calendar]=3 [app]=4)
status=0
fail() { echo "layers: $*"; status=1; }

for dir in src/*/; do
  room=$(basename "$dir")
  [ -n "${floor[$room]:-}" ] || { fail "$dir is a room on no floor: give it one in $0"; continue; }
done

# Up and sideways includes.
while IFS=: read -r file line text; do
  room=${file#src/}; room=${room%%/*}
  [[ $text =~ \"([a-z]+)/ ]] && target=${BASH_REMATCH[1]}
  [ "$target" = "$room" ] && continue
  if [ -z "${floor[$target]:-}" ]; then
    fail "$file:$line: includes from $target/, which is no room"
  elif [ "${floor[$target]}" -gt "${floor[$room]}" ]; then
    fail "$file:$line: $room includes $target/, a floor up"
  elif [ "${floor[$target]}" -eq "${floor[$room]}" ]; then
    fail "$file:$line: $room includes $target/, a room beside it"
  fi
done < <(grep -rnE '^\s*#\s*include "[a-z]+/' src --include='*.h' --include='*.cpp' || true)

# The portable sources, as the CMake files list them for doviz_core and doviz_core_tests.
portable=()
for list in src/*/CMakeLists.txt tests/*/CMakeLists.txt tests/CMakeLists.txt; do
  dir=$(dirname "$list")
  while read -r name; do
    portable+=("$dir/$name")
  done < <(awk '
    /(target_sources|add_executable)\((doviz_core|doviz_core_tests)[ )]/ { on = 1 }
    on {
      line = $0
      sub(/#.*/, "", line)
      gsub(/(target_sources|add_executable)\((doviz_core_tests|doviz_core)|PRIVATE|PUBLIC/, "", line)
      end = index(line, ")")
      if (end) line = substr(line, 1, end - 1)
      n = split(line, words, /[ \t]+/)
      for (i = 1; i <= n; i++) if (words[i] ~ /\.(cpp|h|c)$/) print words[i]
      if (end) on = 0
    }' "$list")
done
portable+=(fuzz/*.cpp)
[ ${#portable[@]} -gt 20 ] || fail "found only ${#portable[@]} portable sources in the CMake files"

# Follows quoted includes (from src/, tests/support/ or the file's own folder) to every header
# a portable source reaches.
win32='windows|windowsx|winbase|winuser|wingdi|winreg|winnt|winerror|commctrl|commdlg|mmsystem|shellapi|shlobj|shlwapi|objbase|ole2|oleauto|uxtheme|dwmapi|powrprof|psapi|tlhelp32|wtsapi32|winternl'
declare -A seen=()
queue=()
for f in "${portable[@]}"; do
  [ -f "$f" ] || { fail "$f is listed in a CMake file but missing"; continue; }
  seen[$f]="its own listing"
  queue+=("$f")
done
while [ ${#queue[@]} -gt 0 ]; do
  f=${queue[0]}
  queue=("${queue[@]:1}")
  while IFS=: read -r line text; do
    [[ $text =~ \<([^>]*)\> ]] && header=${BASH_REMATCH[1]}
    fail "$f:$line: the portable file includes <$header> (reached from ${seen[$f]})"
  done < <(grep -nE "^\s*#\s*include\s*<($win32)\.h>" "$f" || true)
  while read -r inc; do
    for cand in "src/$inc" "tests/support/$inc" "${f%/*}/$inc"; do
      if [ -f "$cand" ]; then
        [[ $cand == */../* ]] && cand=$(realpath --relative-to=. "$cand")
        [ -n "${seen[$cand]:-}" ] || { seen[$cand]=$f; queue+=("$cand"); }
        break
      fi
    done
  done < <(sed -nE 's/^\s*#\s*include\s*"([^"]+)".*/\1/p' "$f")
done

[ $status -eq 0 ] && echo "layers: includes point down; ${#seen[@]} portable files, no Win32 header"
exit $status
