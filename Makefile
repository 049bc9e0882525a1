# Two set-up commands on a fresh Debian 12 machine: `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
VERSION    := $(shell sed -n '1s/^[^(]*(\([^)]*\)).*/\1/p' debian/changelog)

.PHONY: all deps deps-run deps-package deps-test build build-tests run test test-plain test-sanitized test-locale screenshot bench clean

all: build

# One list for each purpose (scripts/install-deps.sh): building and running,
# building the Debian package, and testing, which adds the test tools.
deps: deps-test
deps-run deps-package deps-test: deps-%:
	@bash scripts/install-deps.sh $*

# The first configuration leaves the tests out, so `make run` needs none of
# the test frameworks; `make test` turns them on in the same folder.
build: deps-run
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS) $(if $(wildcard $(BUILD)/CMakeCache.txt),,-DBUILD_TESTING=OFF)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/rungekutta

test: test-plain test-sanitized test-fuzz test-package

build-tests: deps-test
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DBUILD_TESTING=ON
	cmake --build $(BUILD) -j $(JOBS)

test-plain: build-tests
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

# The plain suite once more under a German locale (decimal comma, other
# collation), made here if the machine lacks it; needs root for that.
test-locale: build-tests
	locale -a | grep -qx 'de_DE\.utf8' || \
	  $(if $(filter 0,$(shell id -u)),,sudo) localedef -i de_DE -f UTF-8 de_DE.UTF-8
	cd $(BUILD) && LC_ALL=de_DE.UTF-8 QT_QPA_PLATFORM=offscreen ctest --output-on-failure

# AddressSanitizer with LeakSanitizer, and UndefinedBehaviorSanitizer; no
# suppressions: the program, Qt's offscreen and X11 back-ends included, leak
# nothing at exit.
test-sanitized: deps-test
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DRK_SANITIZE=ON -DRK_BUILD_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure

# Each fuzzer writes what it learns into a scratch copy of its starting
# corpus, so the files in the repository stay as they are. test-fuzz is
# bounded and seeded; fuzz searches for ten minutes with each target.
.PHONY: test-fuzz fuzz clean-fuzz
test-fuzz: FUZZ_ARGS = -runs=200000 -seed=1
fuzz: FUZZ_ARGS = -max_total_time=600
test-fuzz fuzz: deps-test
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DRK_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	rm -rf $(FUZZ_BUILD)/corpus && cp -r tests/fuzz/corpus $(FUZZ_BUILD)/corpus
	./$(FUZZ_BUILD)/tests/fuzz/fuzz_text_and_numbers $(FUZZ_ARGS) -print_final_stats=1 \
	  -artifact_prefix=$(FUZZ_BUILD)/ $(FUZZ_BUILD)/corpus
	rm -rf $(FUZZ_BUILD)/corpus-own-equation && cp -r tests/fuzz/corpus-own-equation $(FUZZ_BUILD)/corpus-own-equation
	./$(FUZZ_BUILD)/tests/fuzz/fuzz_own_equation $(FUZZ_ARGS) -print_final_stats=1 \
	  -artifact_prefix=$(FUZZ_BUILD)/own-equation- $(FUZZ_BUILD)/corpus-own-equation
	rm -rf $(FUZZ_BUILD)/corpus-own-equation-plain && cp -r tests/fuzz/corpus-own-equation $(FUZZ_BUILD)/corpus-own-equation-plain
	./$(FUZZ_BUILD)/tests/fuzz/fuzz_own_equation_plain $(FUZZ_ARGS) -print_final_stats=1 \
	  -artifact_prefix=$(FUZZ_BUILD)/own-equation-plain- $(FUZZ_BUILD)/corpus-own-equation-plain

clean: clean-fuzz
clean-fuzz:
	rm -rf $(FUZZ_BUILD)

# The Debian source package and binary packages, built by dpkg-buildpackage
# from a copy of the work tree in $(PACKAGE_BUILD)/rungekutta-$(VERSION)/; the
# .dsc, .tar.xz, .debs and .changes land in $(PACKAGE_BUILD)/. Built again
# only when a file of the work tree changed.
PACKAGE_BUILD ?= build-package
PACKAGE_CHANGES = $(PACKAGE_BUILD)/rungekutta_$(VERSION)_$(shell dpkg --print-architecture 2>/dev/null || echo unknown).changes
PACKAGE_SOURCES := $(wildcard $(shell git ls-files --cached --others --exclude-standard 2>/dev/null))
.PHONY: package test-package clean-package
package: $(PACKAGE_CHANGES)
$(PACKAGE_CHANGES): $(PACKAGE_SOURCES) | deps-package
	JOBS=$(JOBS) bash scripts/build-package.sh $(PACKAGE_BUILD)

test-package: package | deps-test
	bash scripts/check-package.sh $(PACKAGE_BUILD)

clean: clean-package
clean-package:
	rm -rf $(PACKAGE_BUILD)

# The package build compared bit for bit with a second one, in another folder.
REPRO_BUILD ?= build-reproducible
.PHONY: test-reproducible clean-reproducible
test-reproducible: package | deps-test
	JOBS=$(JOBS) bash scripts/test-reproducible.sh $(PACKAGE_BUILD) $(REPRO_BUILD)

clean: clean-reproducible
clean-reproducible:
	rm -rf $(REPRO_BUILD)

# The long random-use run; a fresh seed each time, printed for replay with
# RK_RANDOM_SEED=<seed>.
.PHONY: soak
soak: build-tests
	QT_QPA_PLATFORM=offscreen RK_RANDOM_ACTIONS=20000 RK_RANDOM_SEED=$${RK_RANDOM_SEED:-time} \
	  ./$(BUILD)/tests/random_use_tests

# The README's pictures: the end-to-end test saves the window it checked,
# the window tests the own equation's editor in English and Japanese and the
# slope field of equation 6 with a run, a run's exact curve and errors, and
# the comparison of steps and methods for y' = -y from (0, 1) to 1.
screenshot: build-tests
	mkdir -p docs
	cd $(BUILD) && RK_SCREENSHOT="$(CURDIR)/docs/window.png" ctest -R '^end_to_end$$' --output-on-failure
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen RK_PICTURES="$(CURDIR)/docs" ./tests/window_tests \
	  --gtest_filter='Locales/RunsIn.OwnEquationEditor/C:Locales/RunsIn.OwnEquationEditor/Japanese:Results.SlopeFieldOnRequest:Results.ExactSolutionOnRequest:Comparing.OpensFromTheEquationMenu'

# The run against its floor, the peak memory of a long run in the real window,
# copying and saving a million-line table, and the start-up against a bare
# window; the peak and the start-up each start an Xvfb of their own.
bench: deps-test
	cmake -S . -B $(BUILD)-release -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD)-release -j $(JOBS) --target bench_solve bench_export bench_table_window bench_startup bare_window plain_window rungekutta
	QT_QPA_PLATFORM=offscreen ./$(BUILD)-release/bench/bench_solve
	QT_QPA_PLATFORM=offscreen ./$(BUILD)-release/bench/bench_export
	QT_QPA_PLATFORM=offscreen ./$(BUILD)-release/bench/bench_table_window
	./$(BUILD)-release/bench/bench_startup 20 ./$(BUILD)-release/bench/bare_window ./$(BUILD)-release/bench/plain_window ./$(BUILD)-release/rungekutta

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BUILD)-release

# The package installed with apt into a clean Debian 12 minimal root, started
# there and removed again; the root is made once with debootstrap and cached.
# Not part of `make test` (a first run downloads a Debian system); .ci/run
# runs it after the tests.
INSTALL_ROOT ?= build-install-root
.PHONY: test-install clean-install-root
test-install: package
	$(if $(filter 0,$(shell id -u)),,sudo) bash scripts/test-install.sh $(PACKAGE_BUILD) $(INSTALL_ROOT)

clean-install-root:
	$(if $(filter 0,$(shell id -u)),,sudo) rm -rf --one-file-system $(INSTALL_ROOT)
