# Entry points: `make run` builds and starts the program, `make test` builds
# and runs every test, `make deb` builds the Debian package. All of them
# install missing Debian packages first.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: run test build deps configure deb clean

deps:
	@bash scripts/install-deps.sh $(DEPS_FLAGS)

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# The program itself says in one line when there is no display to show it on.
run: build
	@$(BUILD_DIR)/src/qt/kalivo

test: build
	@QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR) --output-on-failure --no-tests=error -j $(JOBS)

# The Debian package, built in build-release.
deb:
	@bash scripts/install-deps.sh --package
	@bash scripts/build-deb.sh

clean:
	rm -rf $(BUILD_DIR)
