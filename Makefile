# Two entry points: `make run` builds and starts the program, `make test` builds (warnings as
# errors) and runs every test (under AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer),
# after the format, platform-call and layering checks.
JOBS ?= $(shell nproc)

.PHONY: run test build bench setup clean

setup:
	./scripts/setup.sh

build: setup
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSCHEDA_TESTS=OFF
	cmake --build build -j$(JOBS)

run: build
	./build/bin/scheda

test: setup
	cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DSCHEDA_SANITIZE=ON -DSCHEDA_WERROR=ON
	cmake --build build-test -j$(JOBS)
	./scripts/check-format.sh
	./scripts/check-platform-calls.sh
	./scripts/check-layering.sh
	cd build-test && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure -j$(JOBS)

# The benchmark, built as Release without sanitizers; it prints its table on standard output.
bench: setup
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DSCHEDA_TESTS=OFF -DSCHEDA_BENCH=ON
	cmake --build build-bench -j$(JOBS) --target scheda-bench
	./build-bench/bin/scheda-bench $(BENCH_ARGS)

clean:
	rm -rf build build-test build-bench
