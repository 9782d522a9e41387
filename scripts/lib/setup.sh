# Shared set-up for scripts/test and scripts/run: installs what a fresh
# Debian or Ubuntu machine lacks, with apt-get when we may, and otherwise
# names the missing packages and stops.

marelto_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# Packages the build and the tests need.
marelto_build_packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libbenchmark-dev
  qt6-base-dev libglib2.0-dev libxcb1-dev
  fonts-liberation locales
)

# Packages the web edition's build needs: Debian's emscripten (which brings
# node), rsvg-convert for the icons, and GoogleTest's sources for the core's
# tests under node.
marelto_web_packages=(cmake ninja-build emscripten librsvg2-bin googletest)

missing_packages() {
  local pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || echo "$pkg"
  done
}

ensure_packages() {
  local missing
  mapfile -t missing < <(missing_packages "$@")
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
