# SPDX-License-Identifier: GPL-3.0-or-later
# The front door: `make run` and `make test` set up everything on a fresh Debian 12.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMORAVEL_WERROR=ON
# A second build of the tests with AddressSanitizer and UBSan, and the parser fuzzer.
SANITIZE_BUILD ?= $(BUILD)-sanitize
FUZZ_BUILD ?= $(BUILD)-fuzz
FUZZ_SECONDS ?= 60

.PHONY: all deps test-deps build run test deb format format-check clean

all: build

# What building and running need; the tests' tools come with `make test`.
deps:
	@scripts/install-deps

test-deps: deps
	@scripts/install-deps --test

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

run: build
	scripts/run $(BUILD)/bin/moravel

test: test-deps build format-check
	scripts/test $(BUILD) $(SANITIZE_BUILD)

.PHONY: fuzz
# The count parser under libFuzzer for FUZZ_SECONDS; new inputs land in $(FUZZ_BUILD)/corpus.
fuzz: test-deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DMORAVEL_FUZZ=ON >/dev/null
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target count_parser_fuzz
	@mkdir -p $(FUZZ_BUILD)/corpus
	$(FUZZ_BUILD)/count_parser_fuzz -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_BUILD)/ $(FUZZ_BUILD)/corpus tests/fuzz/corpus

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check:
	@git ls-files '*.cpp' '*.h' | xargs -r clang-format --dry-run --Werror

# The Debian package, built with debhelper from this tree in $(DEB_BUILD), checked by lintian.
DEB_BUILD ?= build-deb
deb: deps
	@scripts/install-deps --deb
	scripts/make-deb $(DEB_BUILD)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD) $(DEB_BUILD)

# The README's commands on a fresh Debian 12 (a debootstrap chroot with only git and make):
# make run, make test, make run again. Needs root and about half an hour; not part of test.
.PHONY: fresh-check
fresh-check:
	scripts/fresh-check

# Benchmarks, not tests: a release build in its own folder, then one table of figures.
.PHONY: bench
bench: test-deps
	bench/run.sh $(CURDIR)/build-bench
