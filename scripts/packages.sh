# Installs the Debian packages given as arguments that are not installed yet; silent when all are.
ensure_packages() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# What the native programs and their tests need.
NATIVE_PACKAGES=(cmake ninja-build g++ python3 libgtest-dev libbenchmark-dev
                 nlohmann-json3-dev faketime clang-format python3-icalendar khal jq)

# What the Linux program and its tests need besides: Qt 6 Widgets with its SVG module, CUPS's
# library, the font metric-compatible with Times New Roman, and for the printing tests CUPS
# with a PDF queue and the tools that read the PDFs back.
QT_PACKAGES=(qt6-base-dev qt6-svg-dev libcups2-dev fonts-liberation cups printer-driver-cups-pdf
             poppler-utils)

# What scripts/fuzz needs besides: clang with libFuzzer and the sanitizer runtimes.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)

# What the web page needs to be built: emscripten, with the acorn that it minifies its output
# with, and Brotli's compressor for the site's compressed copies (the bundler comes from the npm
# registry through the machine's Node.js and npm: web/CMakeLists.txt); and for its tests besides:
# a real headless browser with its driver and selenium, Brotli for Python to unpack what the
# server sends, and for the printed pages poppler's tools and the font metric-compatible with
# Times New Roman.
WEB_BUILD_PACKAGES=(cmake ninja-build python3 emscripten node-acorn brotli)
WEB_PACKAGES=("${WEB_BUILD_PACKAGES[@]}" chromium chromium-driver python3-selenium python3-brotli
              poppler-utils fonts-liberation)
