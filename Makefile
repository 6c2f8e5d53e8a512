# The two commands of the README. Both install missing Debian packages first (as root).
BUILD ?= build
JOBS ?= $(shell nproc)
export XDG_RUNTIME_DIR ?= $(shell d=/tmp/quorix-runtime-$$(id -u); mkdir -p $$d; chmod 700 $$d; echo $$d)

.PHONY: deps configure build run test bench clean

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

test: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORIX_WARNINGS_AS_ERRORS=ON
	cmake --build $(BUILD) -j $(JOBS)
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure --no-tests=error -j $(JOBS)

bench: configure
	cmake --build $(BUILD) -j $(JOBS) --target bench
	@for b in $(BUILD)/bin/*_bench; do echo "== $$b"; $$b; done

clean:
	rm -rf $(BUILD)
