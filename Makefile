# The two commands of the README. Both install missing Debian packages first (as root).
BUILD ?= build
# The second build of `make test`: clang, without Qt, with AddressSanitizer, UndefinedBehaviorSanitizer
# and the fuzz targets.
CHECKS_BUILD ?= build-checks
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 300
export XDG_RUNTIME_DIR ?= $(shell d=/tmp/quorix-runtime-$$(id -u); mkdir -p $$d; chmod 700 $$d; echo $$d)

# Our C++ files: the tracked ones, or every one outside build trees when there is no git.
CXX_FILES = $(shell git ls-files '*.cpp' '*.h' 2>/dev/null || \
    find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
OUR_SOURCES = '^$(CURDIR)/(core|output|cli|app|tests|fuzz|bench)/'

.PHONY: deps configure build run test checks-build checks format format-check tidy tidy-core fuzz bench clean

deps:
	@bash scripts/deps.sh

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Starts the program on the bundled sample history (made on first run, up to today).
run: build
	@test -f $(BUILD)/bin/ZahlenCH.dat || $(BUILD)/bin/quorix-cli make-sample --draws $(BUILD)/bin/ZahlenCH.dat
	$(BUILD)/bin/quorix

# Every test, then the checks; the format check comes last so that the others report first.
test: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORIX_WARNINGS_AS_ERRORS=ON
	cmake --build $(BUILD) -j $(JOBS)
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure --no-tests=error -j $(JOBS)
	$(MAKE) --no-print-directory checks
	$(MAKE) --no-print-directory tidy-core
	$(MAKE) --no-print-directory format-check

# Proves that core, output and cli build and pass their tests without Qt, under the sanitizers,
# and runs each fuzz target briefly on its seeds.
checks-build: deps
	cmake -S . -B $(CHECKS_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	    -DQUORIX_WARNINGS_AS_ERRORS=ON -DQUORIX_BUILD_APP=OFF -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON \
	    -DQUORIX_SANITIZE=ON -DQUORIX_BUILD_FUZZERS=ON
	cmake --build $(CHECKS_BUILD) -j $(JOBS)

checks: checks-build
	ctest --test-dir $(CHECKS_BUILD) --output-on-failure --no-tests=error -j $(JOBS)

format: deps
	clang-format -i $(CXX_FILES)

format-check: deps
	clang-format --dry-run --Werror $(CXX_FILES)

# clang-tidy with .clang-tidy over our sources: the Qt build's compile database, and the checks
# build's for the fuzz targets. Built first: the Qt tests include the files moc generates.
# Several minutes: the app and its tests parse Qt's headers.
tidy: build checks-build
	@status=0; \
	run-clang-tidy -quiet -j $(JOBS) -p $(BUILD) $(OUR_SOURCES) || status=1; \
	run-clang-tidy -quiet -j $(JOBS) -p $(CHECKS_BUILD) '^$(CURDIR)/fuzz/' || status=1; \
	exit $$status

# The part of tidy that make test runs: the layers without Qt, in under a minute.
tidy-core: checks-build
	run-clang-tidy -quiet -j $(JOBS) -p $(CHECKS_BUILD) '^$(CURDIR)/(core|output|cli|fuzz)/'

# Each fuzz target for FUZZ_SECONDS on its seeds and what earlier runs found.
fuzz: checks-build
	@set -e; for f in $(CHECKS_BUILD)/bin/*_fuzz; do \
	    name=$$(basename $$f _fuzz); found=$(CHECKS_BUILD)/fuzz/corpus/$$name; \
	    mkdir -p $$found $(CHECKS_BUILD)/fuzz/artifacts; \
	    echo "== $$name for $(FUZZ_SECONDS) s"; \
	    $$f -max_total_time=$(FUZZ_SECONDS) -timeout=10 -print_final_stats=1 \
	        -artifact_prefix=$(CHECKS_BUILD)/fuzz/artifacts/$$name- $$found fuzz/corpus/$$name; \
	done

bench: configure
	cmake --build $(BUILD) -j $(JOBS) --target bench
	@for b in $(BUILD)/bin/*_bench; do echo "== $$b"; $$b; done

clean:
	rm -rf $(BUILD) $(CHECKS_BUILD)
