# The two commands: `make run` and `make test`. Everything else is a helper of theirs.
BUILD      ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_ARGS ?=

.PHONY: run test build setup asan bench clean

run: build
	bash scripts/run.sh $(BUILD)

test: build
	cd $(BUILD) && ctest --output-on-failure

build: setup
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_ARGS)
	cmake --build $(BUILD)

# The whole test suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
asan:
	$(MAKE) test BUILD=build-asan BUILD_TYPE=Debug CMAKE_ARGS=-DTAVRA_SANITIZE=ON

# Builds the benchmark programs and runs each of them; the run ends with the ratio lines
# against the peers (their time over ours).
bench: setup
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_ARGS)
	cmake --build $(BUILD) --target run_benchmarks

setup:
	bash scripts/setup.sh

clean:
	rm -rf $(BUILD) build-asan
