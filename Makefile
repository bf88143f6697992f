# Entry points: `make run` builds and starts the program, `make test` builds
# and runs every test, `make bench` the load benchmarks, `make deb` builds the
# Debian package, `make web` the browser edition's site folder and `make
# web-test` its browser tests. All of them install missing Debian packages first.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: run test build deps configure deb clean web web-test bench

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

# The load benchmarks, built optimised (their targets are for optimised code).
BENCH_BUILD_DIR ?= build-bench
bench: deps
	@cmake -S . -B $(BENCH_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DKALIVO_TESTS=OFF -DKALIVO_GUI=OFF $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BENCH_BUILD_DIR) -j $(JOBS)
	@for b in $(BENCH_BUILD_DIR)/bench/*_bench; do echo "== $$b"; "$$b"; done

# The Debian package, built in build-release.
deb:
	@bash scripts/install-deps.sh --package
	@bash scripts/build-deb.sh

# The browser edition: a static site folder (page, scripts, .wasm) built by
# Debian's Emscripten; its optimiser needs Debian's node modules.
WEB_BUILD_DIR ?= build-web
WEB_ENV = NODE_PATH=/usr/share/nodejs
web:
	@bash scripts/install-deps.sh --web
	@$(WEB_ENV) emcmake cmake -S . -B $(WEB_BUILD_DIR) -G Ninja -DKALIVO_WEB=ON -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS) >/dev/null
	@$(WEB_ENV) cmake --build $(WEB_BUILD_DIR) -j $(JOBS)
	@echo "kalivo: site written to $(WEB_BUILD_DIR)/site (serve it, e.g. python3 -m http.server -d $(WEB_BUILD_DIR)/site)"

# The page in headless Chromium, its files compared with what kalivo-cli writes.
web-test: web
	@$(MAKE) --no-print-directory configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target kalivo-cli
	@cd tests/web && npm ci --no-audit --no-fund --silent
	@node tests/web/run.mjs $(WEB_BUILD_DIR)/site $(BUILD_DIR)/src/cli/kalivo-cli

clean:
	rm -rf $(BUILD_DIR) $(WEB_BUILD_DIR)
