#!/usr/bin/env bash
# Configures and builds the project in ./build (release with debug info): the
# targets named as arguments, or everything.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=()
for target in "$@"; do
  targets+=(--target "$target")
done
cmake --build build --parallel "$(nproc)" "${targets[@]}"
