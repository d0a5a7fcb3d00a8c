#!/bin/sh
# Installs the build into a prefix under the build folder and writes a deck
# with the installed Python package: it imports from the prefix alone and its
# native module finds the installed libraries.
# Usage: check-python-install.sh BUILD_DIR PYTHON SOURCE_DIR
set -e
build=$1
python=$2
source=$3
work="$build/python-install-check"
rm -rf "$work"
mkdir -p "$work"
cmake --install "$build" --prefix "$work/prefix" >"$work/install.log"
package=$(find "$work/prefix" -path '*/oif/__init__.py' | head -n 1)
if [ -z "$package" ]; then
  echo "the Python package was not installed" >&2
  exit 1
fi
site=$(dirname "$(dirname "$package")")
cd "$work"
# Only the prefix on the path: the build tree's package must not be what is imported.
env -u PYTHONPATH PYTHONPATH="$site" PYTHONDONTWRITEBYTECODE=1 "$python" -c '
import sys
import oif
assert oif.__file__.startswith(sys.argv[1]), oif.__file__
print(oif.write_deck(sys.argv[2], "deck"))
' "$site" "$source/examples/bracket.json"
test -s deck.inp
