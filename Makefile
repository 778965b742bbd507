# Thin wrappers over the CMake presets; every target first makes sure the packages are there.
.PHONY: deps build test run bench release clean

JOBS ?= 2

deps:
	scripts/install-deps

build: deps
	cmake --preset dev
	cmake --build --preset dev -j $(JOBS)

test: build
	ctest --preset dev

run: build
	build/dev/tools/qirvo-query --help

release: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)

bench: release
	build/release/bench/scanning_bench

clean:
	rm -rf build
