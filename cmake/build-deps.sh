#!/usr/bin/env bash
# Builds libjpeg-turbo and libpng from Debian's source packages with the cross
# compiler, once, into DEPS_DIR/install. Called by the CMake configure step.
set -euo pipefail
deps_dir=$1
toolchain=$2
install_dir="$deps_dir/install"
src_dir="$deps_dir/src"
mkdir -p "$src_dir" "$install_dir"

fetch_source() {   # fetch_source PACKAGE -> prints the unpacked source folder
  local pkg=$1 dir
  dir=$(find "$src_dir" -maxdepth 1 -mindepth 1 -type d -name "$2*" | head -n 1)
  if [ -z "$dir" ]; then
    # Take the newest offered version that actually downloads.
    local v ok=""
    for v in $(apt-cache showsrc "$pkg" | awk '/^Version:/{print $2}' | sort -Vr); do
      if (cd "$src_dir" && apt-get source -qq "$pkg=$v" >/dev/null 2>&1); then ok=$v; break; fi
    done
    [ -n "$ok" ] || { echo "build-deps: apt-get source $pkg failed (are deb-src entries configured? run tools/setup)" >&2; exit 1; }
    dir=$(find "$src_dir" -maxdepth 1 -mindepth 1 -type d -name "$2*" | head -n 1)
  fi
  echo "$dir"
}

build_cmake() {    # build_cmake SOURCE NAME EXTRA_ARGS...
  local src=$1 name=$2; shift 2
  cmake -S "$src" -B "$deps_dir/build-$name" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$install_dir" \
        -DCMAKE_POSITION_INDEPENDENT_CODE=OFF "$@" >"$deps_dir/$name-configure.log" 2>&1 \
    || { cat "$deps_dir/$name-configure.log" >&2; exit 1; }
  cmake --build "$deps_dir/build-$name" -j"$(nproc)" >"$deps_dir/$name-build.log" 2>&1 \
    || { tail -50 "$deps_dir/$name-build.log" >&2; exit 1; }
  cmake --install "$deps_dir/build-$name" >/dev/null
}

if [ ! -f "$install_dir/lib/libjpeg.a" ]; then
  jpeg_src=$(fetch_source libjpeg-turbo libjpeg-turbo-)
  build_cmake "$jpeg_src" jpeg -DWITH_SIMD=OFF -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
              -DWITH_TURBOJPEG=OFF -DWITH_JPEG8=OFF
fi

if [ ! -f "$install_dir/lib/libpng.a" ] && [ ! -f "$install_dir/lib/libpng16.a" ]; then
  png_src=$(fetch_source libpng1.6 libpng1.6-)
  build_cmake "$png_src" png -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF \
              -DPNG_EXECUTABLES=OFF -DPNG_BUILD_ZLIB=OFF \
              -DZLIB_INCLUDE_DIR=/usr/i686-w64-mingw32/include \
              -DZLIB_LIBRARY=/usr/i686-w64-mingw32/lib/libz.a
fi
