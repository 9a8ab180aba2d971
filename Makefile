# Thin front to CMake. `make run` and `make test` do all of the set-up.
.PHONY: all deps test-deps build run test test-asan bench fuzz fuzz-run clean

JOBS ?= $(shell nproc)

all: build

deps:
	@scripts/install-deps.sh

test-deps:
	@scripts/install-deps.sh --test

build: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default -j $(JOBS)

run: build
	@scripts/run.sh build/bin

test: test-deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default -j $(JOBS)
	@ctest --preset default -j $(JOBS)

test-asan: test-deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan -j $(JOBS)
	@ctest --preset asan -j $(JOBS)

bench: test-deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default -j $(JOBS)
	@scripts/bench.sh build

fuzz: test-deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j $(JOBS)

# Runs every fuzzer for FUZZ_SECONDS (default 300) and prints its executions.
FUZZ_SECONDS ?= 300
fuzz-run: fuzz
	@scripts/fuzz.sh build-fuzz $(FUZZ_SECONDS)

clean:
	rm -rf build build-asan build-fuzz
