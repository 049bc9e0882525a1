# Two set-up commands on a fresh Debian 12 machine: `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test test-plain test-sanitized bench clean

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

configure: $(BUILD)/CMakeCache.txt

build: deps configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/rungekutta

test: test-plain test-sanitized

test-plain: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

test-sanitized: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DRK_SANITIZE=ON -DRK_BUILD_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure

bench: deps
	cmake -S . -B $(BUILD)-release -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD)-release -j $(JOBS) --target bench_solve
	QT_QPA_PLATFORM=offscreen ./$(BUILD)-release/bench/bench_solve

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BUILD)-release
