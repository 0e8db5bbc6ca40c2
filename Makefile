# Pagewick: two commands do everything on a fresh Debian machine.
#   make run    install what is missing, build, start Pagewick under Wine on the sample library
#   make test   install what is missing, build all three trees, run every test
#   make release  the 32-bit release: build/release/pagewick-VERSION.zip and Install.exe beside it
# Also: make build, make bench, make fuzz, make format, make clean.

SHELL := /bin/bash
BUILD ?= build
JOBS ?= $(shell nproc)
export LC_ALL := C.UTF-8

.PHONY: all deps fetch build native win64 win32 test test-native test-win run release bench fuzz format clean

all: build

deps:
	@scripts/install-deps.sh
	@scripts/fetch-deps.sh $(BUILD)/deps

build: deps native win64 win32

native:
	@cmake -S . -B $(BUILD)/native -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPW_SANITIZE=ON -DPW_DEPS_DIR=$(abspath $(BUILD)/deps) >/dev/null
	@cmake --build $(BUILD)/native -j $(JOBS)

win64:
	@cmake -S . -B $(BUILD)/win64 -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DPW_DEPS_DIR=$(abspath $(BUILD)/deps) >/dev/null
	@cmake --build $(BUILD)/win64 -j $(JOBS)

win32:
	@cmake -S . -B $(BUILD)/win32 -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DPW_DEPS_DIR=$(abspath $(BUILD)/deps) >/dev/null
	@cmake --build $(BUILD)/win32 -j $(JOBS)

test: build
	@scripts/run-tests.sh $(BUILD)

release: deps win32
	@scripts/make-release.sh $(BUILD)

run: deps win64
	@scripts/run-pagewick.sh $(BUILD)

bench: deps
	@cmake -S . -B $(BUILD)/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DPW_DEPS_DIR=$(abspath $(BUILD)/deps) >/dev/null
	@cmake --build $(BUILD)/bench -j $(JOBS)
	@# The Windows benchmarks measure the optimised build, as it ships, under Wine.
	@cmake -S . -B $(BUILD)/win64-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DPW_DEPS_DIR=$(abspath $(BUILD)/deps) >/dev/null
	@cmake --build $(BUILD)/win64-bench -j $(JOBS) --target $(patsubst tools/bench_win/%_bench.cpp,pagewick-%-bench,$(wildcard tools/bench_win/*_bench.cpp))
	@scripts/run-bench.sh $(BUILD)

fuzz: deps
	@scripts/install-deps.sh fuzz
	@cmake -S . -B $(BUILD)/fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DPW_FUZZ=ON -DPW_DEPS_DIR=$(abspath $(BUILD)/deps) >/dev/null
	@cmake --build $(BUILD)/fuzz -j $(JOBS) --target pagewick_fuzz_wiki pagewick_fuzz_page pagewick_fuzz_settings pagewick_fuzz_sheet
	@scripts/run-fuzz.sh $(BUILD) $(FUZZ_SECONDS)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
