# Two commands do everything on a fresh Debian 12 machine:
#   make run    installs what is missing, builds and starts Klokkeven
#   make test   installs what is missing, builds and runs the whole test suite
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: run test build deps test-deps clean

# Only the program and its shared data: the test suite is built by make test.
run: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKLOKKEVEN_WERROR=ON
	cmake --build $(BUILD_DIR) -j $(JOBS) --target klokkeven
	scripts/run.sh $(BUILD_DIR)

test: test-deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKLOKKEVEN_WERROR=ON
	cmake --build $(BUILD_DIR) -j $(JOBS)
	scripts/test.sh $(BUILD_DIR)

build: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKLOKKEVEN_WERROR=ON
	cmake --build $(BUILD_DIR) -j $(JOBS)

deps:
	scripts/install-deps.sh build run

test-deps:
	scripts/install-deps.sh build run test

clean:
	rm -rf $(BUILD_DIR)
