#!/usr/bin/env bash
# Checks that a program imports only the DLLs that every Windows ships and that the resident
# clock needs (the common dialogs and the sound are bound on first use), and that it keeps its
# hardening: ASLR (a relocatable image with 64-bit entropy, its relocations kept) and DEP. A
# build change that drops one fails here rather than silently.
#   tools/check_imports.sh PROGRAM.exe
# Fails as well when the program can't be read: a check that saw nothing has passed nothing.
set -euo pipefail
allowed="ADVAPI32.dll COMCTL32.dll GDI32.dll KERNEL32.dll msvcrt.dll SHELL32.dll USER32.dll"
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}
if ! dump=$("$objdump" -p "$1"); then
  echo "imports: $objdump could not read $1" >&2
  exit 1
fi
dlls=$(awk '/DLL Name:/ { print $3 }' <<<"$dump")
if [ -z "$dlls" ]; then
  echo "imports: no import table found in $1" >&2
  exit 1
fi
status=0
for dll in $dlls; do
  case " $allowed " in
    *" $dll "*) ;;
    *) echo "imports: $1 imports $dll"; status=1 ;;
  esac
done
[ $status -eq 0 ] && echo "imports: only $allowed"

file=$(awk '$1 == "Characteristics" { print $2; exit }' <<<"$dump")
dll=$(awk '$1 == "DllCharacteristics" { print $2; exit }' <<<"$dump")
if [ -z "$file" ] || [ -z "$dll" ]; then
  echo "hardening: no PE characteristics found in $1" >&2
  exit 1
fi
hardening=0
for flag in DYNAMIC_BASE=0x40 HIGH_ENTROPY_VA=0x20 NX_COMPAT=0x100; do
  if (( (16#$dll & ${flag#*=}) == 0 )); then
    echo "hardening: $1 lacks ${flag%%=*}"
    hardening=1
  fi
done
# IMAGE_FILE_RELOCS_STRIPPED: the image could then only load at its preferred base.
if (( (16#${file#0x} & 0x1) != 0 )); then
  echo "hardening: $1 has its relocations stripped"
  hardening=1
fi
[ $hardening -eq 0 ] && echo "hardening: DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT, relocatable"
exit $(( status | hardening ))
