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

# Every test twice: in the normal build and under AddressSanitizer and
# UndefinedBehaviorSanitizer; then a short fuzzing run with a fixed seed.
test: build build-asan
	ctest --preset default
	ctest --preset asan
	bash scripts/fuzz.sh

fuzz: setup
	bash scripts/fuzz.sh
