#!/bin/sh
# Installs the build into a fresh prefix under the build folder, builds the
# host program of tests/consumer against it twice (find_package and
# pkg-config) and checks that both write the same deck as the installed
# oif command. Usage: check-install.sh SOURCE_DIR BUILD_DIR CXX GENERATOR [LAUNCHER]
set -eu
source_dir=$1 build_dir=$2 cxx=$3 generator=$4 launcher=${5:-}
work="$build_dir/install-check"
prefix="$work/prefix"
rm -rf "$work"
mkdir -p "$work"

fail() { echo "check-install: $*" >&2; exit 1; }

cmake --install "$build_dir" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; fail "install failed"; }
libdir=$(cd "$prefix" && for d in lib*/; do [ -e "$d/pkgconfig/oif.pc" ] && echo "${d%/}"; done)
[ -n "$libdir" ] || fail "no oif.pc under $prefix"
for lib in oifwriter oifmdb; do
  [ -L "$prefix/$libdir/lib$lib.so" ] && [ -n "$(ls "$prefix/$libdir/lib$lib.so."[0-9]*.[0-9]*.[0-9]* 2>/dev/null)" ] ||
    fail "lib$lib.so is not installed with a versioned name"
done
[ -x "$prefix/bin/oif" ] || fail "the oif command is not installed"

# Every installed header compiles on its own include folder.
for header in $(cd "$prefix/include/oif" && find . -name '*.h' | sort); do
  echo "#include \"${header#./}\""
done >"$work/all_headers.cpp"
PKG_CONFIG_PATH="$prefix/$libdir/pkgconfig"
export PKG_CONFIG_PATH
# shellcheck disable=SC2046
$launcher "$cxx" -std=c++20 -fsyntax-only $(pkg-config --cflags oif-modelfile) "$work/all_headers.cpp" ||
  fail "the installed headers do not compile on their own"

# find_package(oif)
launcher_arg=""
[ -n "$launcher" ] && launcher_arg="-DCMAKE_CXX_COMPILER_LAUNCHER=$launcher"
cmake -S "$source_dir/tests/consumer" -B "$work/cmake" -G "$generator" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_PREFIX_PATH="$prefix" $launcher_arg >"$work/configure.log" ||
  { cat "$work/configure.log"; fail "find_package(oif) failed"; }
cmake --build "$work/cmake" >"$work/build.log" || { cat "$work/build.log"; fail "the find_package host does not build"; }

# pkg-config
# shellcheck disable=SC2046
$launcher "$cxx" -std=c++20 -O1 -o "$work/host_pkgconfig" "$source_dir/tests/consumer/host.cpp" \
  $(pkg-config --cflags --libs oif-modelfile) -Wl,-rpath,"$prefix/$libdir" ||
  fail "the pkg-config host does not build"

# The three write the same deck.
model="$source_dir/examples/bracket.json"
mkdir "$work/run"
cd "$work/run"
"$prefix/bin/oif" write "$model" command 2>/dev/null || fail "oif write failed"
"$work/cmake/host" "$model" cmake || fail "the find_package host failed"
"$work/host_pkgconfig" "$model" pkgconfig || fail "the pkg-config host failed"
[ -s command.inp ] || fail "no deck written"
cmp command.inp cmake.inp || fail "the find_package host wrote another deck"
cmp command.inp pkgconfig.inp || fail "the pkg-config host wrote another deck"

# A broken model file is reported by the host's catch, not by a crash.
printf '{"format": "oif-model", "version": 1, "parts": [}' >broken.json
status=0
"$work/host_pkgconfig" broken.json broken 2>broken.err || status=$?
[ "$status" = 1 ] && grep -q 'broken.json:1:.*error \[json.syntax\]' broken.err ||
  { cat broken.err; fail "the host did not report the broken model file (status $status)"; }
# The installed schema is one file that the validator's own command reads.
if [ -e "$prefix/share/oif/schema/oif-model.schema.json" ] && python3 -c 'import jsonschema' 2>/dev/null; then
  for example in "$source_dir"/examples/*.json; do
    python3 -W ignore -m jsonschema -i "$example" "$prefix/share/oif/schema/oif-model.schema.json" ||
      fail "the installed schema does not accept $example"
  done
fi
echo "installed into $prefix: find_package and pkg-config hosts write the command's deck"
