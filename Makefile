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
# Warnings are errors in the builds made here (CI runs these targets), as the
# tree is warning-free with Debian's GCC and clang. On another compiler a new
# warning need not stop a build: `make run WERROR=OFF`. A plain cmake build
# (a packager's) never treats warnings as errors.
WERROR ?= ON
# What bench-build and fuzz build; CI builds everything there (all), so that
# the whole tree compiles in Release and with clang.
BENCH_TARGETS ?= benchmarks
FUZZ_TARGETS ?= fuzzers
# The formatter is pinned: another version formats differently.
CLANG_FORMAT ?= clang-format-14
# The project's own C and C++ sources, as git knows them.
FORMATTED = git ls-files '*.cpp' '*.h' '*.c' '*.cc' '*.hpp'

.PHONY: all deps build run test test-asan bench bench-build bench-idle fuzz demo gallery package \
        clean format format-check

all: build

deps:
	@./scripts/install-deps

# Configures build folder $(1) with the options $(2) (and the environment
# $(3)) the first time, and again whenever WERROR differs from what the folder
# was configured with.
configure = @if ! grep -qx 'AOAT_WERROR:BOOL=$(WERROR)' $(1)/CMakeCache.txt 2>/dev/null; then \
	  echo "$(3) cmake -S . -B $(1) $(2) -DAOAT_WERROR=$(WERROR) $(CMAKE_FLAGS)"; \
	  $(3) cmake -S . -B $(1) $(2) -DAOAT_WERROR=$(WERROR) $(CMAKE_FLAGS); fi

build: deps
	$(call configure,$(BUILD),-DCMAKE_BUILD_TYPE=RelWithDebInfo)
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

test-asan: deps
	$(call configure,$(ASAN_BUILD),-DCMAKE_BUILD_TYPE=Debug -DAOAT_SANITIZE=ON)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

# The benchmarks, compiled in Release; the goal benchmarks measure the flags
# users run (RelWithDebInfo, -O2).
bench-build: deps
	$(call configure,$(BENCH_BUILD),-DCMAKE_BUILD_TYPE=Release -DAOAT_BENCH=ON)
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target $(BENCH_TARGETS)
	$(call configure,$(BENCH_O2_BUILD),-DCMAKE_BUILD_TYPE=RelWithDebInfo -DAOAT_BENCH=ON)
	cmake --build $(BENCH_O2_BUILD) -j $(JOBS) --target goal-benchmarks

bench: bench-build
	@for b in $(BENCH_BUILD)/bench/bench_*; do \
	  case $$b in */bench_goals_*) continue;; esac; echo "== $$b"; $$b; done
	@for b in $(BENCH_O2_BUILD)/bench/bench_goals_*; do echo "== $$b (-O2)"; $$b; done

# libFuzzer harnesses (clang). Run one with: build-fuzz/fuzz/fuzz_<name> -max_total_time=60
fuzz: deps
	$(call configure,$(FUZZ_BUILD),-DCMAKE_BUILD_TYPE=RelWithDebInfo -DAOAT_FUZZ=ON,CC=clang CXX=clang++)
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(FUZZ_TARGETS)

# Reformats every source file; format-check says which ones would change
# and fails then, changing nothing.
format:
	$(FORMATTED) | xargs $(CLANG_FORMAT) -i

format-check:
	@$(CLANG_FORMAT) --version | grep -q ' version 14\.' || \
	  { echo "format-check: $(CLANG_FORMAT) is not clang-format 14" >&2; exit 1; }
	$(FORMATTED) | xargs $(CLANG_FORMAT) --dry-run --Werror

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(BENCH_O2_BUILD) $(FUZZ_BUILD)
