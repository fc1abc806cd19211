# make        build everything (build/)
# make test   build and run every test
# make run    build the launcher and what it needs (no test, no benchmark, no Qt), start it
# make bench  build and run the benchmarks
# make asan   build with AddressSanitizer + UBSan (build-asan/) and run every test
# make tsan   build the test that renders from several threads with ThreadSanitizer
#             (build-tsan/) and run it
# make gdi-conformance  compare our GDI with the reference under Wine (tools/gdi-conformance)
# make gdi-paint        compare our painters' images with the same painters over the reference GDI
# make docs   the API reference of the public headers with Doxygen (build/docs/api/html)
# make fuzz   build the libFuzzer targets with clang (build-fuzz/) and run each
#             for FUZZ_SECONDS (default 60), two at a time
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_PARALLEL ?= 2
JOBS ?= $(shell nproc)

.PHONY: all build test run bench asan tsan fuzz clean gdi-conformance gdi-paint docs

all: build

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# Without Qt 6 a first configure for run leaves out the Qt widget; make and
# make test configure with it and stop with a clear message when it is missing.
run:
	@test -f $(BUILD)/CMakeCache.txt || cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCANDY_QT=$$(pkg-config --exists Qt6Widgets Qt6Test && echo ON || echo OFF)
	cmake --build $(BUILD) -j $(JOBS) --target brindlecovemediacenter
	./$(BUILD)/launcher/brindlecovemediacenter

bench: build
	@for b in $(BUILD)/bench/*_bench; do echo "== $$b"; $$b; done

docs:
	mkdir -p $(BUILD)/docs/api
	CANDY_DOCS_OUT=$(BUILD)/docs/api doxygen docs/Doxyfile

$(ASAN_BUILD)/CMakeCache.txt:
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DCANDY_SANITIZE=ON

# The few tests whose subject the sanitizers distort (memory and mappings
# measured, descriptors run out, latency) skip themselves in this build.
asan: $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

tsan:
	.ci/tsan.sh

gdi-conformance: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target gdi-conformance
	tools/gdi-conformance/compare.sh $(BUILD)

gdi-paint: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target gdi-paint
	tools/gdi-conformance/compare-paint.sh $(BUILD)

$(FUZZ_BUILD)/CMakeCache.txt:
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCANDY_FUZZ=ON

fuzz: $(FUZZ_BUILD)/CMakeCache.txt
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets
	fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_PARALLEL)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) build-tsan
