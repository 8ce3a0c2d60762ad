#!/usr/bin/env bash
# Quillsweep developer set-up.
#   ./build.sh run    install what is missing, build, start the editor
#   ./build.sh test   install what is missing, build, run every test headless
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(build-essential cmake ninja-build pkg-config qt6-base-dev libzip-dev
          zipcmp zipmerge ziptool xvfb xauth fonts-liberation fonts-dejavu-core
          unzip imagemagick par python3)
BUILD_DIR=${BUILD_DIR:-build}

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

build() {
  cmake -S . -B "$BUILD_DIR" -G Ninja -DQUILLSWEEP_WERROR=ON "$@"
  cmake --build "$BUILD_DIR"
}

case "${1:-}" in
  run)
    install_missing
    build
    exec "$BUILD_DIR/bin/Quillsweep.exe" "${@:2}"
    ;;
  test)
    install_missing
    build
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$BUILD_DIR" --output-on-failure
    # The engines must also build and pass without Qt Widgets.
    BUILD_DIR="$BUILD_DIR-engine" build -DQUILLSWEEP_ENGINE_ONLY=ON
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$BUILD_DIR-engine" --output-on-failure
    ;;
  *)
    sed -n '2,4p' "$0"
    exit 2
    ;;
esac
