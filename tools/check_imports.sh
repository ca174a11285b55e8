#!/usr/bin/env bash
# Checks that a program imports only the DLLs that every Windows ships and that the resident
# clock needs: the common dialogs and the sound are bound on first use.
#   tools/check_imports.sh PROGRAM.exe
set -euo pipefail
allowed="ADVAPI32.dll COMCTL32.dll GDI32.dll KERNEL32.dll msvcrt.dll SHELL32.dll USER32.dll"
status=0
for dll in $(x86_64-w64-mingw32-objdump -p "$1" | awk '/DLL Name:/ { print $3 }'); do
  case " $allowed " in
    *" $dll "*) ;;
    *) echo "imports: $1 imports $dll"; status=1 ;;
  esac
done
[ $status -eq 0 ] && echo "imports: only $allowed"
exit $status
