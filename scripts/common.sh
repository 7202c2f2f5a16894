# Shared by the run and test commands: packages, builds, Wine and the display.
# Sourced, not run.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"

# Debian 12 packages the project needs, installed once.
# Besides Wine itself, the X libraries and fonts it recommends for drawing
# windows as Windows does are named here, since recommends are not installed.
packages="cmake ninja-build g++ libgtest-dev googletest g++-mingw-w64-i686 g++-mingw-w64-x86-64
  wine wine64 fonts-wine fonts-liberation libxrender1 libxcomposite1 libxcursor1 libxfixes3 libxi6 libxinerama1 libxrandr2
  xvfb xauth x11-utils imagemagick"
# clang with libFuzzer and the sanitizers' runtimes, for ./scripts/fuzz.
packages="$packages clang libclang-rt-14-dev"
# chmcmd and chmls, which compile and list the help file tlw.chm.
packages="$packages fp-utils"
# wixl (msitools), which builds the Windows Installer package tallowin-<version>.msi.
packages="$packages wixl"
# valgrind, whose callgrind counts the DMI walk's instructions for ./scripts/benchmark.
packages="$packages valgrind"

install_packages() {
  local missing=""
  for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing="$missing $p"
  done
  if [ -n "$missing" ]; then
    echo "== installing:$missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends $missing >/dev/null
  fi
  install_wine_wow64_dlls
}

# Wine's 32-bit Windows-side DLLs beside its 64-bit ones, so that 64-bit Wine
# runs the 32-bit tlw.exe in its WoW64 mode. They come from libwine:i386,
# unpacked, not installed: installing it (or wine32) would bring the 32-bit
# loader, which a kernel without 32-bit emulation cannot start. Wine prefixes
# made before this step have no 32-bit system directory.
wine_windows_dlls=/usr/lib/x86_64-linux-gnu/wine
install_wine_wow64_dlls() {
  [ -f "$wine_windows_dlls/i386-windows/kernel32.dll" ] && return 0
  local version unpacked
  version=$(dpkg-query -W -f='${Version}' libwine:amd64)
  echo "== installing Wine's 32-bit Windows DLLs (libwine:i386 $version, unpacked)"
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  unpacked=$(mktemp -d /tmp/libwine-i386.XXXXXX)
  chmod 755 "$unpacked"  # apt-get download fetches as its own user
  (cd "$unpacked" && apt-get download -qq "libwine:i386=$version" && dpkg-deb -x libwine_*_i386.deb root)
  mkdir -p "$wine_windows_dlls/i386-windows"
  cp -n "$unpacked"/root/usr/lib/i386-linux-gnu/wine/i386-windows/* "$wine_windows_dlls/i386-windows/"
  rm -rf "$unpacked"
}

# The shipped 32-bit tlw.exe, and the 64-bit build of the same sources that
# runs under 64-bit Wine (see the README for why the tests run both); or the
# builds named.
build_windows() {
  local arch
  for arch in ${@:-i686 x86_64}; do
    forget_build_of_other_compiler "$build/$arch" "$arch-w64-mingw32-g++-win32"
    cmake -S "$root" -B "$build/$arch" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" >/dev/null
    cmake --build "$build/$arch" ${windows_target:+--target "$windows_target"}
  done
}

# Only tlw.exe of each build, none of the test programs: what ./scripts/run
# and ./scripts/screenshots show.
build_program() {
  windows_target=tlw build_windows
}

# CMake keeps the compiler a build folder was first configured with, whatever
# the toolchain file says later: a folder made for other compilers is made anew.
forget_build_of_other_compiler() {
  local folder=$1 compiler=$2 cached="" found
  for found in "$folder"/CMakeFiles/*/CMakeCXXCompiler.cmake; do
    [ -f "$found" ] && cached=$(sed -n 's/^set(CMAKE_CXX_COMPILER "\(.*\)")$/\1/p' "$found")
  done
  [ -n "$cached" ] || return 0
  case "$cached" in
    */"$compiler" | "$compiler") ;;
    *) echo "== $folder was made with $cached; making it anew with $compiler"; rm -rf "$folder" ;;
  esac
}

# The test programs of both builds, written beside the tlw.exe they start.
build_windows_tests() {
  local arch
  for arch in i686 x86_64; do
    forget_build_of_other_compiler "$build/$arch-tests" "$arch-w64-mingw32-g++-posix"
    cmake -S "$root" -B "$build/$arch-tests" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" -DTALLOWIN_PROGRAM_DIR="$build/$arch" >/dev/null
    cmake --build "$build/$arch-tests"
  done
}

export TALLOWIN_WINE=/usr/lib/wine/wine64
export WINELOADER=/usr/lib/wine/wine64
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono or Gecko installers: the program needs neither. No menu entries on
# this machine's desktop for the shortcuts the installer tests make.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

xvfb_pid=""
# Starts a virtual display and sets DISPLAY to it.
start_virtual_display() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" 2>/dev/null &
  xvfb_pid=$!
  local number
  read -r number <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$number"
}

# Makes a Wine prefix at $1 (when it has none yet) and keeps its server running.
prepare_wine_prefix() {
  export WINEPREFIX="$1"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    "$TALLOWIN_WINE" wineboot -i >/dev/null 2>&1 || true
    # Without a window manager Wine draws the windows' frames and captions itself.
    "$TALLOWIN_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
    # Visual styles: Wine's own light theme, as a modern Windows draws them.
    local theme='HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager'
    "$TALLOWIN_WINE" reg add "$theme" /v ThemeActive /d 1 /f >/dev/null 2>&1 || true
    "$TALLOWIN_WINE" reg add "$theme" /v DllName /d 'C:\windows\resources\themes\light\light.msstyles' /f \
      >/dev/null 2>&1 || true
    "$TALLOWIN_WINE" reg add "$theme" /v ColorName /d NormalColor /f >/dev/null 2>&1 || true
    "$TALLOWIN_WINE" reg add "$theme" /v SizeName /d NormalSize /f >/dev/null 2>&1 || true
  fi
  install_wine_fonts_in_prefix
  wineserver -p >/dev/null 2>&1 || true
}

# Wine's own fonts (Marlett, whose glyphs draw the caption buttons, Tahoma, the
# MS Sans Serif and System bitmap fonts) lie in /usr/share/wine/fonts, but
# Debian's Wine 8 looks for them at "\??\Z:\usr\share\wine\../fonts", a path
# that Wine's NT file lookup does not resolve: it loads none of them, and the
# caption's close button comes out as Marlett's letter "r" in another font.
# Wine also loads every font in the Windows fonts folder, so they go there.
install_wine_fonts_in_prefix() {
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  mkdir -p "$fonts"
  cp -n /usr/share/wine/fonts/* "$fonts/"
}

stop_wine_and_display() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
