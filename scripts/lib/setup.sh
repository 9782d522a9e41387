# Shared set-up for scripts/test and scripts/run: installs what a fresh
# Debian or Ubuntu machine lacks, with apt-get when we may, and otherwise
# names the missing packages and stops.

marelto_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# Packages the build and the tests need. DejaVu Sans, which a minimal Debian
# may lack, is for the layout suite's run with it as the only font.
marelto_build_packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libbenchmark-dev
  qt6-base-dev libglib2.0-dev libxcb1-dev
  fonts-liberation fonts-dejavu-core locales
)

# Packages the web edition's build needs: Debian's emscripten (which brings
# node), rsvg-convert for the icons, and GoogleTest's sources for the core's
# tests under node.
marelto_web_packages=(cmake ninja-build emscripten librsvg2-bin googletest)

# The engines the page tests drive: Chromium, WebKit (its WebDriver and
# MiniBrowser, on an Xvfb display of the tests' own) and Firefox ESR.
marelto_web_page_packages=(chromium webkit2gtk-driver xvfb firefox-esr)

# What each further check needs: the install layout and the package (and the
# clean minimal Debian it is installed into), the source layout check, the
# screen-reader walk, Orca, and the Windows build and its tests under Wine.
marelto_package_check_packages=(desktop-file-utils appstream dpkg-dev file lintian xvfb python3-xlib)
marelto_clean_debian_packages=(debootstrap)
marelto_style_packages=(clang-format clang-tidy)
marelto_atspi_packages=(xvfb dbus at-spi2-core python3-pyatspi)
marelto_orca_packages=(orca openbox xdotool xvfb dbus at-spi2-core)
marelto_windows_qt_packages=(
  qt6-base-dev qt6-base-dev-tools dpkg-dev perl
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
  cmake ninja-build
)
marelto_windows_packages=("${marelto_windows_qt_packages[@]}" googletest nsis)
marelto_wine_packages=(wine wine64 xvfb xdotool x11-utils python3-xlib)

missing_packages() {
  local pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || echo "$pkg"
  done
}

ensure_packages() {
  local missing
  # Lists put together may name a package twice.
  mapfile -t missing < <(missing_packages "$@" | sort -u)
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
      sudo=(sudo)
    else
      echo "Missing packages: ${missing[*]}" >&2
      echo "Install them (apt-get install ${missing[*]}) or run as root." >&2
      exit 1
    fi
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  # One update per run: the scripts a run starts share the mark.
  if [ -z "${MARELTO_APT_UPDATED:-}" ]; then
    "${sudo[@]}" apt-get update -qq
    export MARELTO_APT_UPDATED=1
  fi
  "${sudo[@]}" apt-get install -o DPkg::Lock::Timeout=600 -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Generates a locale such as de_DE.UTF-8 where the machine lacks it.
ensure_locale() {
  local name=$1
  local short=${name/UTF-8/utf8}
  locale -a 2>/dev/null | grep -qx -e "$name" -e "$short" && return 0
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo -n)
  if [ -f /etc/locale.gen ]; then
    "${sudo[@]}" sed -i "s/^# *\(${name//./\\.} \)/\1/" /etc/locale.gen
    grep -q "^${name//./\\.} " /etc/locale.gen || echo "$name UTF-8" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
    "${sudo[@]}" locale-gen >/dev/null
  else
    "${sudo[@]}" localedef -i "${name%%.*}" -f UTF-8 "$name"
  fi
}

# Configures and builds one of CMakePresets.json's presets, in build/PRESET;
# further arguments go to the build (such as --target).
build_preset() {
  local preset=$1
  shift
  (cd "$marelto_root" &&
    cmake --preset "$preset" >/dev/null &&
    cmake --build --preset "$preset" -j "$(nproc)" "$@")
}
