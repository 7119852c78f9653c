# `make` builds, `make run` sets up and starts the game, `make test` sets up and runs the tests.
# `make install`/`make uninstall` put the game in PREFIX and take it out again, `make package`
# builds the Debian package, `make bench` measures the start-up and the rules.
BUILD_DIR ?= build
CMAKE_FLAGS ?=
PREFIX ?= /usr/local

.PHONY: all build configure deps deps-test deps-package deps-bench run test clean format \
        install uninstall package bench test-sanitize fuzz fuzz-ci fuzz-build translations

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

# Debian's own checker has the last word: a package with a lintian error or warning fails.
package: deps-package build
	cd $(BUILD_DIR) && cpack
	lintian --fail-on error,warning $(BUILD_DIR)/dunemark_*.deb

# Configures again so that the benchmark library, once installed, is found.
bench: deps-bench
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) --target dunemark minimal_qt startup_probe core_bench \
	    highscores_bench store_read_bench
	scripts/bench.sh $(BUILD_DIR)

# The suites again, built with AddressSanitizer and UndefinedBehaviorSanitizer: any report fails
# its test. Qt itself is not instrumented (tests/lsan.supp names the leaks it reports of its own).
# Fewer random games, as every action runs slower. The install and package checks are left out.
SANITIZE_DIR ?= build-asan
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
SANITIZE_GAMES ?= 100

test-sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g $(SANITIZE_FLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)"
	cmake --build $(SANITIZE_DIR) --target core_tests ui_tests
	ASAN_OPTIONS=detect_leaks=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	DUNEMARK_SOAK_GAMES=$(SANITIZE_GAMES) QT_QPA_PLATFORM=offscreen \
		ctest --test-dir $(SANITIZE_DIR) --output-on-failure -j2 -E desktop_

# libFuzzer on the number reader and on the store's file, a minute each (FUZZ_SECONDS), from a
# new random seed each time. New inputs collect in $(FUZZ_DIR)/corpus, a crashing one in
# $(FUZZ_DIR) as <fuzzer>-crash-*: add it to fuzz/seeds/<fuzzer> once mended.
# `make fuzz-ci` runs each a fixed number of inputs from a fixed seed over the committed seeds
# alone (FUZZ_RUNS), with Qt's hashing fixed too: the same code gets the same answer every time.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_RUNS ?= 30000
FUZZERS := fuzz_leading_number fuzz_highscore_store

fuzz: $(FUZZERS:%=fuzz-run-%)

fuzz-ci: $(FUZZERS:%=fuzz-ci-%)

fuzz-ci-%: fuzz-build
	rm -rf $(FUZZ_DIR)/ci-corpus/$*
	mkdir -p $(FUZZ_DIR)/ci-corpus/$*
	QT_HASH_SEED=0 $(FUZZ_DIR)/$* -seed=1 -runs=$(FUZZ_RUNS) -print_final_stats=1 \
		-artifact_prefix=$(FUZZ_DIR)/$*- $(FUZZ_DIR)/ci-corpus/$* fuzz/seeds/$*

fuzz-build:
	scripts/install-deps.sh fuzz
	cmake -S fuzz -B $(FUZZ_DIR) -G Ninja -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_DIR) --target $(FUZZERS)

fuzz-run-%: fuzz-build
	mkdir -p $(FUZZ_DIR)/corpus/$*
	$(FUZZ_DIR)/$* -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
		-artifact_prefix=$(FUZZ_DIR)/$*- $(FUZZ_DIR)/corpus/$* fuzz/seeds/$*

# Reads the code again with lupdate and refreshes translations/*.ts: new texts come in unfinished,
# texts gone from the code go out.
translations: configure
	cmake --build $(BUILD_DIR) --target update_translations

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR)
