# Wordloft: the only commands anyone needs.
#   make run    - install what is missing, build win64 and play it under Wine
#                 (BITS=32: the 32-bit program)
#   make test   - install what is missing, build all three targets, run every test
#   make bench  - build win64 and win32 and measure both programs under Wine
#   make native / make win64 / make win32 - one build alone
#   make dist   - the players' release in dist/: zip, installer, SHA256SUMS
#   make fuzz   - run each fuzz target SECONDS seconds (default 600)
#   make soak   - play the 32-bit program with random input MINUTES minutes
#                 (default 20; SEED=n repeats a run; BITS=64 the 64-bit one)
BUILD ?= build
JOBS ?= 2
RUNS ?= 7
BITS ?=

.PHONY: all deps native win64 win32 dist test run bench clean fuzz soak

all: win64

deps:
	@scripts/install-deps.sh

native: deps
	@cmake -S . -B $(BUILD)/native -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(BUILD)/native -j$(JOBS)

win64: deps
	@cmake -S . -B $(BUILD)/win64 -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-win64.cmake >/dev/null
	@cmake --build $(BUILD)/win64 -j$(JOBS)

win32: deps
	@cmake -S . -B $(BUILD)/win32 -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-win32.cmake >/dev/null
	@cmake --build $(BUILD)/win32 -j$(JOBS)

dist: win32
	@rm -rf dist
	@python3 packaging/build_dist.py $(BUILD)/win32/wordloft.exe dist --work $(BUILD)/dist

test: native win64 win32
	@scripts/run-tests.sh $(BUILD)

SECONDS ?= 600
fuzz: deps
	@scripts/fuzz.sh $(SECONDS) $(BUILD)

MINUTES ?= 20
SEED ?=
soak: win$(or $(BITS),32)
	@WORDLOFT_SOAK_MINUTES=$(MINUTES) WORDLOFT_SOAK_SEED=$(SEED) \
	    tests/wine/run.sh $(BUILD)/win$(or $(BITS),32)/wordloft.exe $(BUILD)/soak soak

bench: win64 win32
	@tests/bench/run.sh $(BUILD) $(RUNS)

run: win$(or $(BITS),64)
	@scripts/run-game.sh $(BUILD)/win$(or $(BITS),64)/wordloft.exe $(BUILD)/play

clean:
	rm -rf $(BUILD) dist
