# SPDX-License-Identifier: GPL-3.0-or-later
# make run   installs what the build needs, builds and starts Velomira
# make test  the same set-up, then the whole test suite, headless

BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test test-sanitized fuzz mutants build setup clean translations

setup:
	@bash scripts/install-deps.sh

build: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/velomira

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitized: setup
	cmake -S . -B $(BUILD)-sanitized -DCMAKE_BUILD_TYPE=Debug -DVELOMIRA_SANITIZE=ON
	cmake --build $(BUILD)-sanitized -j $(JOBS)
	cd $(BUILD)-sanitized && QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure -j $(JOBS) -E test_install

# Refreshes translations/*.ts from the texts in the sources; new texts come
# in unfinished, for a translator to fill in with Qt Linguist.
translations: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) --target update_translations

# Each fuzzer for a bounded time (FUZZ_SECONDS, 30 by default).
fuzz: setup
	BUILD=$(BUILD) bash scripts/fuzz.sh

# Small faults put into the code one at a time: does the suite catch each?
# ONLY="id file folder ..." runs a part of the list; MUTANTS_FLAGS=--check
# only checks that every fault still finds its text. Slow: not part of CI.
mutants:
	python3 scripts/mutants.py --build-dir $(BUILD)-mutants --jobs $(JOBS) $(MUTANTS_FLAGS) $(ONLY)

clean:
	rm -rf $(BUILD) $(BUILD)-sanitized $(BUILD)-fuzz $(BUILD)-mutants
