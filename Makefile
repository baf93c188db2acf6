# make run  - build quorvan.exe and start it under Wine, cut off from the network
# make test - build both presets and run the unit and end-to-end tests
# make build - build both presets only

.PHONY: all build run test deps

all: build

deps:
	@sh tools/ensure-deps.sh

build: deps
	cmake --preset host >/dev/null
	cmake --build --preset host
	cmake --preset win32 >/dev/null
	cmake --build --preset win32

test: build
	ctest --preset host -j2

run: deps
	cmake --preset win32 >/dev/null
	cmake --build --preset win32
	sh tests/e2e/run-app.sh
