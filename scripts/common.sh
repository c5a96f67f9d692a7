# Shared by scripts/run and scripts/test: package installation and the build.
# Sourced, not run.

VANDREL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VANDREL_BUILD="$VANDREL_ROOT/build"

# Everything the build, the program and the tests need on a fresh Debian 12.
VANDREL_PACKAGES=(
  g++ cmake ninja-build
  qt6-base-dev qt6-multimedia-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  fonts-dejavu-core fonts-ipafont-gothic fonts-liberation2 fonts-wqy-microhei
  gstreamer1.0-plugins-base gstreamer1.0-pulseaudio
  xvfb xauth
  libxcb1-dev
  weston qt6-wayland
  pulseaudio pulseaudio-utils
  xdotool x11-utils desktop-file-utils appstream dpkg-dev
  file
  dbus at-spi2-core python3-pyatspi
  orca openbox
)

vandrel_as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo >/dev/null 2>&1; then
    sudo "$@"
  else
    echo "Packages are missing and this is not root; run again as root or install sudo." >&2
    exit 1
  fi
}

# Installs the packages named that are not installed yet.
vandrel_install_missing() {
  vandrel_missing "$@" || return 0
  # One install at a time: CI builds Qt for the other platforms beside its
  # other steps, and each may find packages missing. Whoever waited looks again.
  local lock
  exec {lock}>"${TMPDIR:-/tmp}/vandrel-install-$(id -u).lock"
  flock "$lock"
  if vandrel_missing "$@"; then
    echo "Installing: ${VANDREL_MISSING[*]}"
    vandrel_as_root apt-get -o DPkg::Lock::Timeout=900 update -qq
    vandrel_as_root env DEBIAN_FRONTEND=noninteractive \
      apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends \
      "${VANDREL_MISSING[@]}"
  fi
  exec {lock}>&-
}

# Sets VANDREL_MISSING to the packages named that are not installed; false when
# there are none.
vandrel_missing() {
  local package
  VANDREL_MISSING=()
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      VANDREL_MISSING+=("$package")
    fi
  done
  [ "${#VANDREL_MISSING[@]}" -gt 0 ]
}

# Everything the build, the program and the tests need, and the extra packages named.
vandrel_install_packages() {
  vandrel_install_missing "${VANDREL_PACKAGES[@]}" "$@"
}

# Configures when the build has no configuration yet or was configured with
# other options than these, afresh so that an option left out goes back to its
# default; then builds incrementally. Arguments go to the configure step;
# VANDREL_WERROR=ON in the environment makes warnings errors (scripts/test,
# scripts/lint, CI).
vandrel_configure() {
  local build_dir=${VANDREL_BUILD_DIR:-$VANDREL_BUILD}
  local options=(-G Ninja "$@")
  if [ -n "${VANDREL_WERROR:-}" ]; then
    options+=("-DVANDREL_WERROR=$VANDREL_WERROR")
  fi
  local stamp="$build_dir/vandrel-configure-options"
  local wanted
  wanted=$(printf '%s\n' "${options[@]}")
  if [ -f "$build_dir/CMakeCache.txt" ] && [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$wanted" ]; then
    return 0
  fi
  rm -f "$stamp"
  cmake --fresh -S "$VANDREL_ROOT" -B "$build_dir" "${options[@]}"
  printf '%s\n' "$wanted" >"$stamp"
}

vandrel_build() {
  vandrel_configure "$@"
  cmake --build "${VANDREL_BUILD_DIR:-$VANDREL_BUILD}" --parallel "$(nproc)"
}
