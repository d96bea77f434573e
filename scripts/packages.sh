# Debian packages, sourced by the scripts in this folder.
BUILD_PACKAGES=(cmake g++ make pkg-config qt6-base-dev libgl-dev fonts-arphic-uming)
TEST_PACKAGES=(googletest libgtest-dev locales)
BENCH_PACKAGES=(xvfb libx11-dev libbenchmark-dev)
SCREENSHOT_PACKAGES=(xvfb xauth xdotool imagemagick)
CHECK_PACKAGES=(cmake make g++ clang libclang-rt-14-dev clang-tidy)
PACKAGE_CHECK_PACKAGES=(dpkg-dev file desktop-file-utils)
E2E_PACKAGES=(xvfb xauth xdotool dbus at-spi2-core python3-pyatspi imagemagick)
