# SPDX-License-Identifier: GPL-3.0-or-later
# make run   installs what the build needs, builds and starts Velomira
# make test  the same set-up, then the whole test suite, headless

BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test build setup clean

setup:
	@bash scripts/install-deps.sh

build: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/velomira

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD)
