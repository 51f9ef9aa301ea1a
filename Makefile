BUILD_DIR := build
JOBS := $(shell nproc 2>/dev/null || echo 2)

# The build, the game and the test suite, from Debian 12's own packages.
PACKAGES := cmake g++ make pkg-config qt6-base-dev qt6-qpa-plugins qt6-translations-l10n \
            fonts-droid-fallback libbenchmark-dev xvfb xauth xdotool dpkg-dev desktop-file-utils

.PHONY: run test build packages clean

run: build
	$(BUILD_DIR)/vorodara

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure

build: packages
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_DIR) -j$(JOBS)

# The group search and move benchmarks; the whole-board scans alone take
# about a minute.
.PHONY: bench
bench: build
	$(BUILD_DIR)/bench/bench_group_search

packages:
	@scripts/install-packages $(PACKAGES)

clean:
	rm -rf $(BUILD_DIR)
