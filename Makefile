# The two commands a newcomer needs: `make run` and `make test`.
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
BUILD ?= build
ASAN_BUILD ?= build-asan
BENCH_BUILD ?= build-bench
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60

.PHONY: all deps build run test test-plain test-asan package bench fuzz fuzz-deps fuzz-bench format clean

all: build

deps:
	@bash scripts/install-deps.sh

# Line tables are all the debug information the test builds need (sanitizer
# reports and backtraces name file and line); full information would cost a
# third more compile time.
DEBUG_INFO ?= -g1

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOVRIDA_WERROR=ON \
	  "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 $(DEBUG_INFO) -DNDEBUG"

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@bash scripts/run.sh $(BUILD)/ovrida

test-plain: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

$(ASAN_BUILD)/CMakeCache.txt:
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DOVRIDA_WERROR=ON -DOVRIDA_SANITIZE=ON \
	  "-DCMAKE_CXX_FLAGS_DEBUG=$(DEBUG_INFO)"

test-asan: deps $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

test: test-plain test-asan

# The Debian package (program, menu entry, icon, help text) from the plain build.
package: build
	cd $(BUILD) && cpack -G DEB

$(BENCH_BUILD)/CMakeCache.txt:
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DOVRIDA_WERROR=ON -DOVRIDA_BENCH=ON

bench: deps $(BENCH_BUILD)/CMakeCache.txt
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	@for b in $(BENCH_BUILD)/bench/bench_*; do \
	  echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b || exit 1; done

# A Debug build keeps Qt's and the program's assertions; -O2 runs it several
# times faster than unoptimised code and a sixth faster than -O1.
$(FUZZ_BUILD)/CMakeCache.txt:
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=Debug -DOVRIDA_WERROR=ON \
	  -DOVRIDA_FUZZ=ON "-DCMAKE_CXX_FLAGS_DEBUG=-O2 $(DEBUG_INFO)"

# Each card kind's fuzz program (FUZZ_KINDS) runs FUZZ_SECONDS (more libFuzzer
# options in FUZZ_FLAGS) on a copy of its sample cards
# (tests/data/corpus/<kind>), which grows with the inputs it finds. A finding
# of one kind does not keep the other kinds from running; the findings are
# listed at the end and make the target fail. ASan's leak check is off while
# fuzzing, so libFuzzer's own leak re-runs are off too. A short quarantine (it
# still holds the blocks freed by the last few hundred inputs) and no
# allocation stacks halve ASan's share of the time; a finding is run again by
# hand (`$(FUZZ_BUILD)/fuzz/fuzz_<kind> <input>`) for whole stacks.
FUZZ_KINDS ?= rk ok okd
FUZZ_FLAGS ?=
FUZZ_ASAN_OPTIONS ?= detect_leaks=0:quarantine_size_mb=4:malloc_context_size=0
# How every fuzz run is started, by `fuzz` and by `fuzz-bench`.
FUZZ_RUN_FLAGS = -max_len=65536 -detect_leaks=0 -dict=$(CURDIR)/fuzz/cards.dict
fuzz-deps:
	@bash scripts/install-deps.sh fuzz

fuzz: deps fuzz-deps $(FUZZ_BUILD)/CMakeCache.txt
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers
	@found=""; \
	for kind in $(FUZZ_KINDS); do \
	  f=$(FUZZ_BUILD)/fuzz/fuzz_$$kind; [ -x "$$f" ] || continue; \
	  corpus=$(FUZZ_BUILD)/corpus/$$kind; \
	  findings=$(FUZZ_BUILD)/findings/$$kind; \
	  mkdir -p $$corpus $$findings && cp -n tests/data/corpus/$$kind/* $$corpus/; \
	  echo "== $$f"; \
	  ASAN_OPTIONS=$(FUZZ_ASAN_OPTIONS) UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    $$f -max_total_time=$(FUZZ_SECONDS) $(FUZZ_RUN_FLAGS) \
	        -artifact_prefix=$$findings/ $(FUZZ_FLAGS) $$corpus \
	    || found="$$found $$kind"; \
	done; \
	if [ -n "$$found" ]; then \
	  echo "Findings in:$$found (inputs in $(FUZZ_BUILD)/findings)"; exit 1; fi

# Executions a second of each kind's fuzz program on one core (FUZZ_SECONDS each).
fuzz-bench: deps fuzz-deps $(FUZZ_BUILD)/CMakeCache.txt
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzzers
	ASAN_OPTIONS=$(FUZZ_ASAN_OPTIONS) FUZZ_RUN_FLAGS="$(FUZZ_RUN_FLAGS)" bash bench/fuzz_speed.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_KINDS)

format:
	find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD)
