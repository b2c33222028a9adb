#!/bin/bash
# qorvix: install what is missing, build, and run.
#
#   ./build.sh run         install, build, and generate the copy file of the bundled sample library
#   ./build.sh test        install, build, and run every test
#   ./build.sh test-sanitized
#                          the same with AddressSanitizer and UndefinedBehaviorSanitizer
#   ./build.sh fuzz [SEC] [TARGET]
#                          build the fuzz targets with sanitizers and run each (default 60 s)
#   ./build.sh bench       build and run the benchmarks
#   ./build.sh package     build the Debian package build/package/qorvix_<version>_amd64.deb
#   ./build.sh package-check
#                          install that package, check the installed programs, and remove it
#
# Needs Debian 12 (apt-get); run as root or with sudo available.
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)

command=${1:-run}
build_dir="$root/build"

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the Debian packages that are not installed yet.
install_packages() {
    local missing=()
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

# Qt's window-system plugins show the windows, and Qt's translations give
# its own texts (file dialogs) in the user's language.
base_packages=(g++ cmake ninja-build pkg-config libsystemd-dev qt6-base-dev qt6-l10n-tools
               qt6-qpa-plugins qt6-translations-l10n fonts-dejavu-core)
# fonts-noto-cjk: the dialogs' tests measure Chinese, Japanese and Korean
# texts in a font that has their characters.
test_packages=(libgtest-dev libgmock-dev python3 locales dbus-daemon man-db gnucobol3 fonts-noto-cjk)
package_packages=(dpkg-dev file)
fuzz_packages=(clang libclang-rt-14-dev)
# llvm brings llvm-symbolizer, without which clang's sanitizer reports carry no
# file names or lines.
sanitizer_packages=("${fuzz_packages[@]}" llvm)
bench_packages=(libbenchmark-dev)

# A locale with a decimal comma, so the tests can show that values do not
# follow the user's locale.
ensure_test_locale() {
    if locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then return; fi
    if [ -f /etc/locale.gen ]; then
        as_root sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
        grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
        as_root locale-gen >/dev/null
    fi
}

# configure_and_build DIR TARGET CMAKE-ARGS...
configure_and_build() {
    local dir=$1 target=$2
    shift 2
    cmake -S "$root" -B "$dir" -G Ninja "$@"
    cmake --build "$dir" --target "$target"
}

# run_sanitized_tests DIR: runs the tests of a sanitized build. Every process
# a test starts (the program, tlbdump, the reference IDE) is sanitized too and
# writes its reports to DIR/sanitizer-reports, so a report fails the run even
# where a test only looks at what its child wrote. The exit status 86 keeps a
# report apart from the program's own statuses 1 and 2.
run_sanitized_tests() {
    local dir=$1 status=0
    local reports="$dir/sanitizer-reports"
    rm -rf "$reports"
    mkdir -p "$reports"
    local common="log_path=$reports/report:exitcode=86"
    ASAN_OPTIONS="$common:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1:strict_string_checks=1" \
        UBSAN_OPTIONS="$common:print_stacktrace=1" \
        ctest --test-dir "$dir" --output-on-failure -j "$(nproc)" || status=$?
    if compgen -G "$reports/*" >/dev/null; then
        tail -n +1 "$reports"/*
        echo "Sanitizer reports were written; they are in $reports"
        status=1
    fi
    return "$status"
}

case "$command" in
    run)
        install_packages "${base_packages[@]}"
        configure_and_build "$build_dir" all -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQORVIX_BUILD_TESTS=OFF
        sample="$root/tests/fixtures/shapes.tlb"
        out="$root/generated"
        rm -rf "$out"
        mkdir -p "$out"
        echo
        echo "== Generating the copy file and class files of the bundled sample ($sample):"
        "$build_dir/app/qorvix" -id "-o$out/Shapes.cpy" "$sample" </dev/null
        echo "The copy file is $out/Shapes.cpy; the interface class files are beside it:"
        ls "$out"
        ;;
    test)
        install_packages "${base_packages[@]}" "${test_packages[@]}"
        ensure_test_locale
        configure_and_build "$build_dir" all -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQORVIX_BUILD_TESTS=ON
        ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"
        ;;
    test-sanitized)
        # clang: it builds this tree in about half the time gcc takes with
        # the sanitizers, and its single runtime sends every report to the
        # report folder (gcc's UBSan ignores log_path beside ASan). -O1 and
        # line tables build faster than -O2 -g and still name file and line.
        install_packages "${base_packages[@]}" "${test_packages[@]}" "${sanitizer_packages[@]}"
        ensure_test_locale
        configure_and_build "$root/build-sanitized" all -DCMAKE_CXX_COMPILER=clang++ \
            -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g1" \
            -DQORVIX_SANITIZE=ON -DQORVIX_BUILD_TESTS=ON
        run_sanitized_tests "$root/build-sanitized"
        ;;
    fuzz)
        seconds=${2:-60}
        only=${3:-}
        install_packages "${base_packages[@]}" "${fuzz_packages[@]}"
        configure_and_build "$root/build-fuzz" fuzzers -DCMAKE_CXX_COMPILER=clang++ \
            -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQORVIX_BUILD_FUZZ=ON -DQORVIX_BUILD_TESTS=OFF
        work=$(mktemp -d)
        trap 'rm -rf "$work"' EXIT
        # Each target for SECONDS, on its seed folders; a third argument runs
        # that target alone.
        for target in load_walk_fuzzer:seeds registry_fuzzer:registry_seeds \
                      render_fuzzer:seeds,render_seeds; do
            name=${target%%:*} seeds=()
            IFS=, read -ra folders <<< "${target#*:}"
            for folder in "${folders[@]}"; do seeds+=("$root/fuzz/$folder"); done
            if [ -n "$only" ] && [ "$only" != "$name" ]; then continue; fi
            mkdir -p "$work/$name"
            # Inputs as large as the largest seed (real libraries run to a few
            # MB; a cut seed tests only its head), and never below 64 KiB.
            max_len=$(find "${seeds[@]}" -type f -printf '%s\n' | sort -n | tail -n 1)
            max_len=$(( ${max_len:-0} > 65536 ? max_len : 65536 ))
            echo "== $name for $seconds s, inputs up to $max_len bytes"
            "$root/build-fuzz/fuzz/$name" -max_total_time="$seconds" -max_len="$max_len" \
                -timeout=30 -rss_limit_mb=2048 -print_final_stats=1 "$work/$name" "${seeds[@]}"
        done
        ;;
    package)
        install_packages "${base_packages[@]}" "${package_packages[@]}"
        # The build folder as it is (with or without tests), or a new one without.
        if [ -f "$build_dir/CMakeCache.txt" ]; then
            cmake --build "$build_dir"
        else
            configure_and_build "$build_dir" all -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQORVIX_BUILD_TESTS=OFF
        fi
        rm -rf "$build_dir/package"
        (cd "$build_dir" && cpack -G DEB -B "$build_dir/package")
        ls "$build_dir"/package/qorvix_*_amd64.deb
        ;;
    package-check)
        install_packages man-db
        "$root/tests/package/check_installed.sh" "$build_dir"/package/qorvix_*_amd64.deb \
            "$build_dir/app/qorvix"
        ;;
    bench)
        install_packages "${base_packages[@]}" "${bench_packages[@]}"
        configure_and_build "$root/build-bench" all -DCMAKE_BUILD_TYPE=Release -DQORVIX_BUILD_BENCH=ON \
            -DQORVIX_BUILD_TESTS=OFF
        "$root/build-bench/bench/typelib_bench"
        "$root/build-bench/bench/batch_bench"
        "$root/build-bench/bench/browser_bench"
        "$root/build-bench/bench/ui_bench"
        "$root/build-bench/bench/registry_bench"
        ;;
    *)
        sed -n '2,14p' "$0"
        exit 2
        ;;
esac
