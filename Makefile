# Front door of the project. Every target installs what is missing first, so
# the two README commands work on a fresh Debian machine.

JOBS ?= $(shell nproc 2>/dev/null || echo 2)
BUILD ?= build
ASAN_BUILD ?= build-asan
BENCH_BUILD ?= build-bench
# The goal benchmarks measure the flags users run (RelWithDebInfo, -O2).
BENCH_O2_BUILD ?= build-bench-o2
FUZZ_BUILD ?= build-fuzz
CMAKE_FLAGS ?=

.PHONY: all deps build run test test-asan bench bench-idle fuzz demo gallery package clean format

all: build

deps:
	@./scripts/install-deps

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

demo: build
	cmake --build $(BUILD) --target demo-game -j $(JOBS)

# Plays the bundled demo game in a window.
run: demo
	./$(BUILD)/aoat-player --window --scale 2 $(BUILD)/demo-game

# Every layer and procedural effect on one test picture: build/effects.png.
gallery: build
	./$(BUILD)/effects-gallery $(BUILD)/effects.png

# Idle CPU of the shipped build on the demo's title beside the ScummVM
# launcher, both in a window on one Xvfb display (skipped without them).
bench-idle: demo
	@./bench/idle/bench_idle.sh $(BUILD)

# A Debian package in $(BUILD)/: install it with
# `sudo apt-get install ./$(BUILD)/aoat-player_*.deb`.
package: build
	cmake --build $(BUILD) --target package -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

$(ASAN_BUILD)/CMakeCache.txt:
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DAOAT_SANITIZE=ON $(CMAKE_FLAGS)

test-asan: deps $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

$(BENCH_BUILD)/CMakeCache.txt:
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DAOAT_BENCH=ON $(CMAKE_FLAGS)

$(BENCH_O2_BUILD)/CMakeCache.txt:
	cmake -S . -B $(BENCH_O2_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DAOAT_BENCH=ON $(CMAKE_FLAGS)

bench: deps $(BENCH_BUILD)/CMakeCache.txt $(BENCH_O2_BUILD)/CMakeCache.txt
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target benchmarks
	@for b in $(BENCH_BUILD)/bench/bench_*; do \
	  case $$b in */bench_goals_*) continue;; esac; echo "== $$b"; $$b; done
	cmake --build $(BENCH_O2_BUILD) -j $(JOBS) --target goal-benchmarks
	@for b in $(BENCH_O2_BUILD)/bench/bench_goals_*; do echo "== $$b (-O2)"; $$b; done

# libFuzzer harnesses (clang). Run one with: build-fuzz/fuzz/fuzz_<name> -max_total_time=60
$(FUZZ_BUILD)/CMakeCache.txt:
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DAOAT_FUZZ=ON $(CMAKE_FLAGS)

fuzz: deps $(FUZZ_BUILD)/CMakeCache.txt
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(BENCH_O2_BUILD) $(FUZZ_BUILD)
