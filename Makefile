# SPDX-License-Identifier: GPL-3.0-or-later
# make run   installs what building and running need, builds and starts Velomira
# make test  installs what testing needs too, builds, runs the whole suite headless
# Each target installs only the Debian packages its own work needs.

BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
DEPS = bash scripts/install-deps.sh
# On CI (CI=true), a compiler warning fails the build.
WERROR = $(if $(filter true,$(CI)),-DVELOMIRA_WERROR=ON,-DVELOMIRA_WERROR=OFF)
CONFIGURE = cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(WERROR)

.PHONY: run test test-sanitized coverage golden fuzz mutants build deb clean translations format format-check

# The program, its translations and its data files, without the tests.
build:
	$(DEPS) run
	$(CONFIGURE) -DBUILD_TESTING=OFF
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/velomira

test:
	$(DEPS) test
	$(CONFIGURE) -DBUILD_TESTING=ON
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The project's C++ style (.clang-format), applied to every source file;
# format-check, run by CI, names each line that is not in it.
SOURCES = git ls-files -z '*.cpp' '*.h' | xargs -0
format:
	$(DEPS) format
	$(SOURCES) clang-format -i

format-check:
	$(DEPS) format
	$(SOURCES) clang-format --dry-run -Werror

# Approves what every picture and screen state looks like now: after a
# change meant to alter what students see, look at the new images, then
# commit them with the change.
golden:
	$(DEPS) test
	$(CONFIGURE) -DBUILD_TESTING=ON
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && VELOMIRA_GOLDEN=update QT_QPA_PLATFORM=offscreen ctest -j $(JOBS)
	git status --short tests/golden

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitized:
	$(DEPS) test
	cmake -S . -B $(BUILD)-sanitized -DCMAKE_BUILD_TYPE=Debug -DVELOMIRA_SANITIZE=ON $(WERROR)
	cmake --build $(BUILD)-sanitized -j $(JOBS)
	cd $(BUILD)-sanitized && QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure -j $(JOBS) -E test_install

# Which lines and branches of the program the whole suite reaches:
# $(BUILD)-coverage/coverage/index.html for people, one summary line for CI.
coverage:
	$(DEPS) coverage
	cmake -S . -B $(BUILD)-coverage -DCMAKE_BUILD_TYPE=Debug -DVELOMIRA_COVERAGE=ON $(WERROR)
	cmake --build $(BUILD)-coverage -j $(JOBS)
	find $(BUILD)-coverage -name '*.gcda' -delete
	# A report, not a gate: the suites above pass or fail the code.
	cd $(BUILD)-coverage && QT_QPA_PLATFORM=offscreen ctest -j $(JOBS) -E test_install \
		|| echo "coverage: some tests failed or ran out of time; the report counts what ran"
	mkdir -p $(BUILD)-coverage/coverage
	gcovr --root . --object-directory $(BUILD)-coverage \
		--filter 'main\.cpp' --filter '(runtime|shell|initialrates|graphical|ratelaws|pictures)/' \
		--exclude-unreachable-branches --exclude-throw-branches \
		--html-details $(BUILD)-coverage/coverage/index.html \
		--json-summary $(BUILD)-coverage/coverage/summary.json
	python3 -c 'import json, sys; s = json.load(open(sys.argv[1])); \
		print("coverage of the program: lines %.1f %% (%d of %d), branches %.1f %% (%d of %d)" % ( \
		s["line_percent"], s["line_covered"], s["line_total"], \
		s["branch_percent"], s["branch_covered"], s["branch_total"]))' $(BUILD)-coverage/coverage/summary.json

# The Debian package, built with its test suite and checked by lintian; the
# package and its build records are left in dist/.
deb:
	$(DEPS) deb
	bash scripts/package.sh

# Refreshes translations/*.ts from the texts in the sources; new texts come
# in unfinished, for a translator to fill in with Qt Linguist.
translations:
	$(DEPS) run
	$(CONFIGURE)
	cmake --build $(BUILD) --target update_translations

# Each fuzzer for a bounded time (FUZZ_SECONDS, 30 by default).
fuzz:
	$(DEPS) fuzz
	BUILD=$(BUILD) bash scripts/fuzz.sh

# Small faults put into the code one at a time: does the suite catch each?
# ONLY="id file folder ..." runs a part of the list; MUTANTS_FLAGS=--check
# only checks that every fault still finds its text. SAMPLE=n runs n faults
# made at random from the code instead (SEED, 1 by default, picks which).
# Slow: not part of CI.
mutants:
	$(DEPS) test
	python3 scripts/mutants.py --build-dir $(BUILD)-mutants --jobs $(JOBS) \
		$(if $(SAMPLE),--sample $(SAMPLE) --seed $(or $(SEED),1)) $(MUTANTS_FLAGS) $(ONLY)

clean:
	rm -rf $(BUILD) $(BUILD)-sanitized $(BUILD)-coverage $(BUILD)-fuzz $(BUILD)-mutants dist
