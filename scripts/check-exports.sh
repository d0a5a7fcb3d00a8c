#!/bin/sh
# Lists the symbols the writer library exports that are not its interface:
# the writer entry, the module set-up functions and the keyword framework
# (plus the standard-library instantiations their inline code needs).
library="$1"
command -v nm >/dev/null || { echo "skipped: no nm"; exit 77; }
unexpected=$(nm -D --defined-only -C "$library" | cut -d' ' -f3- |
  grep -v -E '^(typeinfo( name)? for |vtable for |VTT for |non-virtual thunk to )?(zkw_|oif_Writer|oif_initialize|oif_finalize|DDB_OIF_|operator<<\(utl_Stream&, zkw_VelornName|std::|__gnu_cxx::|_init$|_fini$)' |
  grep -v -E '^[A-Za-z_0-9]+\*? (std|__gnu_cxx)::')
if [ -n "$unexpected" ]; then
  echo "exported but not part of the interface:"
  echo "$unexpected"
  exit 1
fi
