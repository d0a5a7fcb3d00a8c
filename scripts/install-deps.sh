#!/bin/sh
# Installs the Debian packages the build needs, if any is missing, and makes
# sure a comma-decimal locale (de_DE.UTF-8) exists for the locale tests.
set -e
PACKAGES="g++ cmake ninja-build libsimdjson-dev libfast-float-dev libgtest-dev libbenchmark-dev locales python3-jsonschema python3-dev pybind11-dev python3-numpy python3-meshio"
missing=""
for package in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing="$missing $package"
done
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
if [ -n "$missing" ]; then
  echo "installing:$missing"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
fi
# The stream and the table formatter are tested under a locale whose decimal
# separator is a comma; without one those tests are skipped.
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  echo "generating the locale de_DE.UTF-8"
  $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
