# The README's commands. Each one installs what is missing first.
EXAMPLE ?= examples/detention-pond.vlm

.PHONY: deps build release test run bench asan fuzz-smoke clean

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

# The project file reader and a file's whole path under libFuzzer (clang), each for
# FUZZ_SECONDS from a copy of its seed corpus; fails on any crash, leak, timeout or sanitizer
# report.
FUZZ_SECONDS ?= 60

fuzz-smoke: deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	fuzz/run-fuzzer projectreader $(FUZZ_SECONDS)
	fuzz/run-fuzzer filepath $(FUZZ_SECONDS)

# The desktop program with the example project opened; without a display, the example's
# routing table on the terminal and its report as a PDF.
run: release
	@if [ -n "$${DISPLAY}$${WAYLAND_DISPLAY}" ]; then \
		build-release/bin/velmora $(EXAMPLE); \
	else \
		echo "make run: no display is available, so the desktop program cannot open its window."; \
		echo "make run: the example's 25-year routing table follows; its report goes to build-release/example-report.pdf."; \
		build-release/bin/velmora-cli run $(EXAMPLE) --event 25 && \
		build-release/bin/velmora-cli report $(EXAMPLE) --event 25 -o build-release/example-report.pdf; \
	fi

bench: release
	build-release/bin/velmora-bench

clean:
	rm -rf build build-release build-asan build-fuzz
