# `make` builds, `make run` sets up and starts the game, `make test` sets up and runs the tests.
# `make install`/`make uninstall` put the game in PREFIX and take it out again, `make package`
# builds the Debian package, `make bench` measures the start-up and the rules.
BUILD_DIR ?= build
CMAKE_FLAGS ?=
PREFIX ?= /usr/local

.PHONY: all build configure deps deps-test deps-package deps-bench run test clean format \
        install uninstall package bench

all: build

deps:
	@scripts/install-deps.sh

deps-test:
	@scripts/install-deps.sh test

deps-package:
	@scripts/install-deps.sh package

deps-bench:
	@scripts/install-deps.sh bench

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)

configure: $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR)

run: deps build
	$(BUILD_DIR)/dunemark

test: deps-test build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR) --output-on-failure -j2

# The list of installed files is kept under a name of its own: every `cmake --install`, the
# test suite's included, rewrites install_manifest.txt.
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)
	cp $(BUILD_DIR)/install_manifest.txt $(BUILD_DIR)/installed-files.txt

uninstall:
	xargs -r -d '\n' rm -fv < $(BUILD_DIR)/installed-files.txt
	rm -f $(BUILD_DIR)/installed-files.txt

package: deps-package build
	cd $(BUILD_DIR) && cpack

# Configures again so that the benchmark library, once installed, is found.
bench: deps-bench
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) --target dunemark minimal_qt startup_probe core_bench
	scripts/bench.sh $(BUILD_DIR)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR)
