# `make` builds, `make run` sets up and starts the game, `make test` sets up and runs the tests.
BUILD_DIR ?= build
CMAKE_FLAGS ?=

.PHONY: all build configure deps run test clean format

all: build

deps:
	@scripts/install-deps.sh

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)

configure: $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR)

run: deps build
	$(BUILD_DIR)/dunemark

test: deps build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR) --output-on-failure -j2

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR)
