#!/usr/bin/env bash
# Checks that a program imports only the DLLs that every Windows ships and that the resident
# clock needs: the common dialogs and the sound are bound on first use.
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
exit $status
