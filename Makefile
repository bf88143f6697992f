# Two entry points: `make run` builds and starts the program, `make test`
# builds and runs every test. Both install missing Debian packages first.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: run test build deps configure clean

deps:
	@bash scripts/install-deps.sh $(DEPS_FLAGS)

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	  echo "kalivo: no display found (DISPLAY is not set): start it from a desktop session, or try 'xvfb-run -a make run'"; \
	  exit 1; \
	fi
	@$(BUILD_DIR)/src/qt/kalivo

test: build
	@QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR) --output-on-failure --no-tests=error -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR)
