# make run    installs what is missing, builds and opens the window
# make test   installs what is missing, builds and runs the whole suite through CTest
# make sanitize  the suite again under AddressSanitizer and UndefinedBehaviorSanitizer
# make bench  the benchmarks, figures as in the README
# make fuzz   libFuzzer on the circuit file reader for FUZZ_SECONDS, or FUZZ_RUNS inputs
# make package  the Debian package, from a Release build of the programs alone
# make soak   the monkey test under the sanitizers for SOAK_ACTIONS actions from SOAK_SEED
# make format-check  fails when a source file differs from .clang-format (CI runs it)
# make thread-safety  Clang's thread-safety analysis over the sources that lock a Mutex (CI runs it)
# make update-translations  lupdate: every text of the window into translations/*.ts
# make mutate each fault of scripts/mutants planted in turn; reports those no test caught
# make update-pictures  rewrites tests/pictures/*.png from what is drawn now (after an intended change)

BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
PACKAGE_BUILD ?= build-package
FUZZ_SECONDS ?= 60
FUZZ_RUNS  ?=
JOBS       ?= $(shell nproc)
CMAKE_FLAGS ?=
SOAK_ACTIONS ?= 200000
SOAK_SEED  ?= 1
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp

.PHONY: deps configure build run test sanitize bench fuzz package soak mutate format-check \
  thread-safety update-translations update-pictures clean

deps:
	@scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/src/app/tessara

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

sanitize: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSARA_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen \
	  $(SANITIZER_ENV) \
	  ctest --output-on-failure -j $(JOBS)

bench: CMAKE_FLAGS += -DTESSARA_BENCH=ON
bench: build
	bench/run-all $(BUILD)

# Fuzzes a fresh copy of the seeds and regressions; any crash stops it and fails.
fuzz: deps
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DTESSARA_GUI=OFF -DTESSARA_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target circuit_reader_fuzzer
	rm -rf $(FUZZ_BUILD)/corpus && mkdir -p $(FUZZ_BUILD)/corpus
	cp fuzz/corpus/* $(FUZZ_BUILD)/corpus/
	find fuzz/regressions -type f -exec cp -t $(FUZZ_BUILD)/corpus {} +
	$(FUZZ_BUILD)/fuzz/circuit_reader_fuzzer $(FUZZ_BUILD)/corpus -dict=fuzz/cir.dict \
	  -max_len=16384 -timeout=10 -print_final_stats=1 -artifact_prefix=$(FUZZ_BUILD)/ \
	  $(if $(FUZZ_RUNS),-runs=$(FUZZ_RUNS),-max_total_time=$(FUZZ_SECONDS))

# The programs, icons and man pages are built; the tests and benchmarks are not.
package: deps
	cmake -S . -B $(PACKAGE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build $(PACKAGE_BUILD) -j $(JOBS) --target tessara tessara-sim tessara_desktop
	cd $(PACKAGE_BUILD) && rm -f tessara_*.deb && cpack
	dpkg-deb --info $(PACKAGE_BUILD)/tessara_*.deb

# A long run of random user actions on the window; a failure names its seed and action.
soak: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSARA_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS) --target monkey_tests
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen MONKEY_SEED=$(SOAK_SEED) \
	  MONKEY_ACTIONS=$(SOAK_ACTIONS) \
	  $(SANITIZER_ENV) \
	  tests/monkey/monkey_tests

mutate: deps
	scripts/mutate

# Each source that takes a MutexLock (sim/annotated_mutex.h), checked alone: no build needed.
thread-safety: deps
	for f in $$(grep -rl --include='*.cpp' 'MutexLock' src tools); do \
	  clang++ -std=c++20 -fsyntax-only -Wthread-safety -Werror -Isrc -Itools $$f || exit 1; \
	done

update-translations: configure
	cmake --build $(BUILD) --target update_translations

update-pictures: build
	cd $(BUILD) && TESSARA_UPDATE_PICTURES=1 ctest -L pictures --output-on-failure

format-check: deps
	clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(PACKAGE_BUILD) build-mutants
