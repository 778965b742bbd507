# Thin wrappers over the CMake presets; every target first makes sure the packages are there.
.PHONY: deps build test asan tsan fuzz package run demo services bench release artwork screenshots clean

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

# Each libFuzzer target for FUZZ_SECONDS, starting from its committed seeds; what it
# finds is written to build/fuzz/artifacts/.
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := scanning charset lookup_pages
fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	mkdir -p build/fuzz/artifacts
	for t in $(FUZZ_TARGETS); do \
	  mkdir -p build/fuzz/corpus/$$t && \
	  build/fuzz/tests/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=build/fuzz/artifacts/$$t- build/fuzz/corpus/$$t \
	    tests/fuzz/corpus/$$t tests/fuzz/regressions/$$t || exit 1; \
	done

run: build
	build/dev/shell/qirvo

demo: build
	build/dev/tools/qirvo-demo

services: build
	build/dev/tools/qirvo-services

release: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)

package: release
	cd build/release && cpack -G DEB

bench: release
	bench/run_benchmarks.py build/release

artwork: build
	cmake --build --preset dev --target qirvo-artwork
	build/dev/assets/qirvo-artwork assets

screenshots: build
	cmake --build --preset dev --target qirvo-screenshots
	$(XVFB) build/dev/tools/qirvo-screenshots docs/screenshots
	QT_SCALE_FACTOR=2 $(XVFB) build/dev/tools/qirvo-screenshots docs/screenshots/scale-2

clean:
	rm -rf build
