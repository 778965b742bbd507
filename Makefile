# Thin wrappers over the CMake presets; every target first makes sure the packages are there.
.PHONY: deps build test asan tsan run demo services bench release artwork screenshots clean

JOBS ?= 2
# Window tests need an X server; xvfb-run gives them a private one.
XVFB := xvfb-run -a -s "-screen 0 1280x800x24"

deps:
	scripts/install-deps

build: deps
	cmake --preset dev
	cmake --build --preset dev -j $(JOBS)

test: build
	$(XVFB) ctest --preset dev

# The whole suite under AddressSanitizer + UndefinedBehaviorSanitizer.
asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	$(XVFB) ctest --preset asan

# The tests that use threads under ThreadSanitizer.
tsan: deps
	cmake --preset tsan
	cmake --build --preset tsan -j $(JOBS)
	$(XVFB) ctest --preset tsan

run: build
	build/dev/shell/qirvo

demo: build
	build/dev/tools/qirvo-demo

services: build
	build/dev/tools/qirvo-services

release: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)

bench: release
	bench/run_benchmarks.py build/release

artwork: build
	cmake --build --preset dev --target qirvo-artwork
	build/dev/assets/qirvo-artwork assets

screenshots: build
	cmake --build --preset dev --target qirvo-screenshots
	$(XVFB) build/dev/tools/qirvo-screenshots docs/screenshots

clean:
	rm -rf build
