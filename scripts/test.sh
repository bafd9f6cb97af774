#!/usr/bin/env bash
# Builds the tests with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs every one of them headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DNUMVELLA_SANITIZE=ON -DNUMVELLA_TESTS=ON >/dev/null
cmake --build build/test
cd build/test
ctest --output-on-failure -j2
