# The two commands: `make run` starts the program, `make test` runs every test.
# Both install what is missing first (as root on Debian 12).
SHELL := /bin/bash

.PHONY: all setup build run test bench dist clean

all: build

setup:
	@bash scripts/setup.sh

build: setup
	@bash scripts/build.sh

run: build
	@bash scripts/run.sh

# The fuzzers' runs and coverage are printed after ctest's own summary.
test: build
	@rm -f build/native/fuzz/*.summary
	@status=0; ctest --test-dir build/native --output-on-failure -j2 || status=$$?; \
	  cat build/native/fuzz/*.summary 2>/dev/null; exit $$status

# Prints the speed figures; optimized and without sanitizers.
bench: build
	@cmake -S . -B build/bench-native -G Ninja -DCMAKE_BUILD_TYPE=Release -DTIRVANE_SANITIZE=OFF >/dev/null
	@bash bench/run.sh

# Zips a release for each target into build/dist.
dist: build
	@bash scripts/dist.sh

clean:
	rm -rf build/native build/native32 build/bench-native build/bench build/x86_64 build/i686 build/e2e build/run build/samples build/dist
