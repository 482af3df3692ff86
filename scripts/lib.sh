# Shared by scripts/run and scripts/test: install what is missing, then
# configure and build with CMake and Ninja.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# What building and running the window and the command line need.
RUN_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev libxcb-xkb-dev
  nlohmann-json3-dev libcli11-dev
  libflint-arb-dev libflint-dev libcalcium-dev libcairo2-dev libcsv-dev
  fonts-liberation2 fonts-dejavu-core
  pybind11-dev python3-dev
)

# What the tests, the fuzzing, the benchmarks and the package add.
TEST_PACKAGES=(
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format git
  poppler-utils librsvg2-bin python3-mpmath
  dpkg-dev help2man lintian desktop-file-utils appstream man-db groff-base
  xvfb openbox x11-utils xdotool wmctrl python3 xdg-utils shared-mime-info libfile-mimeinfo-perl
  dbus at-spi2-core python3-pyatspi
  python3-pytest python3-numpy python3-pandas python3-dask python3-distributed
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; elif command -v sudo >/dev/null; then sudo "$@"; else
    echo "Installing packages needs root: run this script as root, or install: $*" >&2
    exit 1
  fi
}

# Installs those of the given packages that are not installed yet; a second
# run is quick.
ensure_packages() {
  local missing=()
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "ok installed" || missing+=("$pkg")
  done
  [ "${#missing[@]}" -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
}

# build DIR [cmake options...]: configure once, then build.
build() {
  local dir="$1"
  shift
  cmake -S "$ROOT" -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir"
}
