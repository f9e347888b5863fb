# The two commands of the README. Each installs what is missing first: `make run`
# only what building and running the program needs, `make test` also what the
# tests, the benchmarks and the fuzzing need.
.PHONY: run test program setup-program setup build build-asan fuzz

setup-program:
	@bash scripts/install-deps.sh --program

setup:
	@bash scripts/install-deps.sh

# The program and its content alone, in build/ without the tests (the next
# `make test`, or `cmake --preset default`, switches them on again).
program: setup-program
	cmake --preset run
	cmake --build --preset run

run: program
	cd build/app && ./tintaro

build: setup
	cmake --preset default
	cmake --build --preset default

build-asan: setup
	cmake --preset asan
	cmake --build --preset asan

# A short fuzzing run with a fixed seed, then every test twice: under
# AddressSanitizer and UndefinedBehaviorSanitizer, and in the normal build;
# last, the size of the tests against the code. One group of tests alone:
# ctest --preset default -L unit (or window, content, reliability, e2e).
test: build build-asan
	bash scripts/fuzz.sh
	ctest --preset asan
	ctest --preset default
	@bash scripts/test-ratio.sh

fuzz: setup
	bash scripts/fuzz.sh
