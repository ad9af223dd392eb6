# The two commands: `make run` and `make test`. Everything else is a helper of theirs.
BUILD      ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_ARGS ?=

.PHONY: run test build configure programs setup package asan fuzz bench clean

# What `make run` lays out and starts, and what the package installs: the program, the Bible
# viewer, the HTML viewer and tavra-texts, with the libraries they link and nothing else.
PROGRAMS = tavra bible htmlview tavra-texts

run: programs
	bash scripts/run.sh $(BUILD)

# The default target builds everything but the benchmarks: the programs and the test suites.
test: build
	cd $(BUILD) && ctest --output-on-failure

build: configure
	cmake --build $(BUILD)

programs: configure
	cmake --build $(BUILD) --target $(PROGRAMS)

configure: setup
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_ARGS)

# The whole test suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
# Any report ends the test program with an error, so the run fails; leaks that the toolkit
# and its font libraries keep until exit are suppressed by name in tests/lsan.supp.
asan: export ASAN_OPTIONS = halt_on_error=1:detect_leaks=1
asan: export UBSAN_OPTIONS = halt_on_error=1:print_stacktrace=1
asan: export LSAN_OPTIONS = suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0
asan:
	$(MAKE) test BUILD=build-asan BUILD_TYPE=Debug CMAKE_ARGS=-DTAVRA_SANITIZE=ON

# Builds the fuzz targets with clang and runs each for FUZZ_SECONDS on a copy of its seed
# corpus (FUZZ_TARGETS="gif bmp" picks some).
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?=
FUZZ_BUILD   ?= build-fuzz
FUZZ_CXX     ?= $(shell command -v clang++-14 || command -v clang++)
fuzz: setup
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=$(FUZZ_CXX) \
	  -DTAVRA_FUZZ=ON -DTAVRA_TESTS=OFF -DTAVRA_BENCH=OFF
	cmake --build $(FUZZ_BUILD) --target fuzz_targets
	bash fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# Builds the benchmark programs and runs each of them; the run ends with the ratio lines
# against the peers (their time over ours).
bench: configure
	cmake --build $(BUILD) --target run_benchmarks

# The Debian package build/tavra_<version>_<arch>.deb of the installed layout; its
# dependencies come from the libraries the programs link (dpkg-shlibdeps). It needs only
# the programs (the install step builds nothing else, see CMakeLists.txt).
package: programs
	cd $(BUILD) && cpack -G DEB

setup:
	bash scripts/setup.sh

clean:
	rm -rf $(BUILD) build-asan $(FUZZ_BUILD) fuzz/corpus-work
