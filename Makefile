# Two commands do everything on a fresh Debian 12 machine:
#   make run    installs what is missing, builds and starts Klokkeven
#   make test   installs what is missing, builds and runs the whole test suite,
#               then the Windows build's tests under Wine where its toolchain is at hand
#   make windows  cross-builds for Windows: the program, a portable zip and an installer
BUILD_DIR ?= build
WINDOWS_BUILD_DIR ?= build-windows
JOBS ?= $(shell nproc)

.PHONY: run test build deps test-deps windows clean

# Only the program and its shared data: the test suite is built by make test.
run: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKLOKKEVEN_WERROR=ON
	cmake --build $(BUILD_DIR) -j $(JOBS) --target klokkeven
	scripts/run.sh $(BUILD_DIR)

test: test-deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKLOKKEVEN_WERROR=ON
	cmake --build $(BUILD_DIR) -j $(JOBS)
	scripts/test.sh $(BUILD_DIR)
	JOBS=$(JOBS) scripts/test-windows.sh $(WINDOWS_BUILD_DIR)

build: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKLOKKEVEN_WERROR=ON
	cmake --build $(BUILD_DIR) -j $(JOBS)

windows:
	scripts/install-deps.sh windows
	JOBS=$(JOBS) scripts/windows.sh $(WINDOWS_BUILD_DIR)

deps:
	scripts/install-deps.sh build run

test-deps:
	scripts/install-deps.sh build run test

clean:
	rm -rf $(BUILD_DIR) $(WINDOWS_BUILD_DIR)
