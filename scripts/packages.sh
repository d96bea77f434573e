# Debian packages of the scripts in this folder, by job; sourced through
# scripts/lib.sh, installed when missing by scripts/install-deps.
BUILD_PACKAGES=(cmake g++ make pkg-config qt6-base-dev libgl-dev fonts-arphic-uming)
TEST_PACKAGES=(googletest libgtest-dev locales)
# The window tests run again with each Chinese face the package may bring
# (fonts-arphic-uming is a build package), and with none but DejaVu.
TEST_PACKAGES+=(fonts-noto-cjk fonts-arphic-gbsn00lp fonts-wqy-zenhei fonts-dejavu-core)
BENCH_PACKAGES=(xvfb libx11-dev libbenchmark-dev)
CHECK_PACKAGES=(cmake make g++ clang libclang-rt-dev clang-tidy)
# The Debian package build and its checks (scripts/check-package).
PACKAGE_CHECK_PACKAGES=(dpkg-dev debhelper fakeroot lintian devscripts appstream desktop-file-utils
                        file imagemagick python3 googletest locales man-db rsync)
# The icons are rendered from their SVG at build time.
BUILD_PACKAGES+=(librsvg2-bin)
# The end-to-end check on a virtual X server (scripts/e2e).
E2E_PACKAGES=(xvfb xauth xdotool x11-utils x11-xkb-utils xclip dbus at-spi2-core python3-pyatspi imagemagick)
# Qt for Windows from Debian's qt6-base source (scripts/windows-qt).
WINDOWS_QT_PACKAGES=(cmake ninja-build xz-utils g++-mingw-w64-x86-64-posix qt6-base-dev-tools)
# The Windows program, its tests and its packages (scripts/build-windows).
# The tests for Windows run under Wine at build time, the window tests with
# Debian's Ming face.
WINDOWS_PACKAGES=("${WINDOWS_QT_PACKAGES[@]}" googletest librsvg2-bin icoutils nsis zip python3-markdown
                  wine64 fonts-arphic-uming)
# Running them under Wine on a virtual X server (scripts/check-windows).
WINDOWS_CHECK_PACKAGES=(wine64 fonts-arphic-uming icoutils xvfb xauth xdotool x11-xkb-utils xclip imagemagick)
# The Debian 13 build root (scripts/debian13): the tool that makes it, and
# what the minimal root lacks besides the lists above.
DEBIAN13_HOST_PACKAGES=(debootstrap)
DEBIAN13_PACKAGES=(build-essential rsync)
