# A thin layer over CMake: `make run` builds and starts the program,
# `make test` builds and runs every test.
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
COVERAGE_BUILD ?= build-coverage
CASE_COVERAGE_BUILD ?= build-case-coverage
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all build run test sanitize-test coverage case-coverage fuzz clean format

all: build

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./scripts/run-program $(BUILD)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest -j $(JOBS) --output-on-failure

$(ASAN_BUILD)/build.ninja:
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELTRANE_SANITIZE=ON $(CMAKE_FLAGS)

sanitize-test: $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan-suppressions.txt \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest -j $(JOBS) --output-on-failure

# Line and branch coverage of src/ by every test: a Debug build with gcc's
# --coverage in its own folder (counters updated atomically: the workers
# share code, and torn counts make gcov's output unreadable), the counters emptied, every test run, then
# gcovr's summary (lines: N%, branches: N%); the full table goes to
# $(COVERAGE_BUILD)/coverage.txt.
$(COVERAGE_BUILD)/build.ninja:
	cmake -S . -B $(COVERAGE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="--coverage -fprofile-update=atomic" \
	  -DCMAKE_EXE_LINKER_FLAGS=--coverage $(CMAKE_FLAGS)

coverage: $(COVERAGE_BUILD)/build.ninja
	cmake --build $(COVERAGE_BUILD) -j $(JOBS)
	# A source deleted since the last build leaves its notes behind: gone with its object.
	cd $(COVERAGE_BUILD) && ninja -t cleandead >/dev/null && \
	  find . -name '*.gcno' | while read -r n; do [ -f "$${n%.gcno}.o" ] || rm -f "$$n"; done
	find $(COVERAGE_BUILD) -name '*.gcda' -delete
	cd $(COVERAGE_BUILD) && QT_QPA_PLATFORM=offscreen ctest -j $(JOBS) --output-on-failure
	gcovr -r . --object-directory $(COVERAGE_BUILD) --exclude-directories '$(COVERAGE_BUILD)/CMakeFiles' \
	  -j $(JOBS) --filter 'src/' \
	  --exclude-unreachable-branches --exclude-throw-branches -o $(COVERAGE_BUILD)/coverage.txt --print-summary

# What each test case covers on its own, for judging which could go: a clang
# source-coverage build, every case run alone (scripts/case-coverage).
$(CASE_COVERAGE_BUILD)/build.ninja:
	cmake -S . -B $(CASE_COVERAGE_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_CXX_FLAGS="-fprofile-instr-generate -fcoverage-mapping" \
	  -DCMAKE_EXE_LINKER_FLAGS=-fprofile-instr-generate $(CMAKE_FLAGS)

case-coverage: $(CASE_COVERAGE_BUILD)/build.ninja
	cmake --build $(CASE_COVERAGE_BUILD) -j $(JOBS)
	./scripts/case-coverage $(CASE_COVERAGE_BUILD) --jobs $(JOBS) > $(CASE_COVERAGE_BUILD)/case-coverage.txt
	grep 'could go one by one' $(CASE_COVERAGE_BUILD)/case-coverage.txt

# libFuzzer with clang: every library instrumented for coverage, the fuzz
# targets linked with libFuzzer's main, each run for FUZZ_SECONDS.
$(FUZZ_BUILD)/build.ninja:
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
	  -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link -DVELTRANE_SANITIZE=ON -DVELTRANE_FUZZ=ON $(CMAKE_FLAGS)

fuzz: $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz-targets
	./fuzz/run-fuzzers $(FUZZ_BUILD) $(FUZZ_SECONDS)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(COVERAGE_BUILD) $(CASE_COVERAGE_BUILD)
