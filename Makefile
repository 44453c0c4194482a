# The README's commands. Each one installs what is missing first.
EXAMPLE ?= examples/detention-pond.vlm

.PHONY: deps build release test run bench asan clean

deps:
	scripts/install-deps

build: deps
	cmake --preset dev
	cmake --build --preset dev

release: deps
	cmake --preset release
	cmake --build --preset release

test: build
	ctest --preset dev

asan: deps
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

run: release
	build-release/bin/velmora-cli run $(EXAMPLE) --event 25

bench: release
	build-release/bin/velmora-bench

clean:
	rm -rf build build-release build-asan
