# The two commands of the README. Each installs what is missing first.
.PHONY: run test setup build build-asan fuzz

setup:
	@bash scripts/install-deps.sh

build: setup
	cmake --preset default
	cmake --build --preset default

build-asan: setup
	cmake --preset asan
	cmake --build --preset asan

run: build
	cd build/app && ./tintaro

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
