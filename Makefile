# The two commands of the README. Each installs what is missing first.
.PHONY: run test setup build

PRESET ?= default

setup:
	@bash scripts/install-deps.sh

build: setup
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

run: build
	cd build/app && ./tintaro

test: build
	ctest --preset $(PRESET)
