#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test.
# --full (what CI runs) adds the formatting check, the sanitizer build of every test, a short run
# of every fuzzer, the install test and the Debian package test.
set -euo pipefail
cd "$(dirname "$0")/.."
full=0
if [ "${1:-}" = "--full" ]; then
  full=1
  scripts/setup.sh --dev
fi
scripts/build.sh
(cd build && ctest --output-on-failure --timeout 300 -j"$(nproc)")
if [ $full -eq 1 ]; then
  step() { echo; echo "== $1 ($(date +%T))"; }
  step "format"; scripts/format.sh --check
  step "sanitizers"; scripts/sanitize.sh
  step "fuzzing"; scripts/fuzz.sh 20
  # The release build above is the one a packager would install.
  step "display test"; scripts/display-test.sh build
  step "install test"; scripts/install-test.sh build
  step "package test"; scripts/package-test.sh build
  step "done"
fi
