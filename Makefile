BUILD_DIR := build
# The checked build: clang with AddressSanitizer and UndefinedBehaviorSanitizer.
ASAN_DIR := build-asan
FUZZ_SECONDS := 60
JOBS := $(shell nproc 2>/dev/null || echo 2)

# Everything comes from Debian's own packages, under names that Debian 13
# and Debian 12 share: the build and the game (with canberra's back end for
# the desktop's sound server, which the package recommends), then what the
# test suite adds (benchmarks, a virtual display for the real window, a
# sound server for the bell, the package's tools), then the checked build's
# compiler, its sanitizers' runtime and their symbolizer, each of the
# release's own version.
BUILD_PACKAGES := cmake g++ make pkg-config qt6-base-dev qt6-qpa-plugins qt6-translations-l10n \
                  fonts-droid-fallback libcanberra-dev libcanberra-pulse libasound2-dev \
                  sound-theme-freedesktop qt6-base-private-dev
TEST_PACKAGES := libbenchmark-dev xvfb xauth xdotool pulseaudio imagemagick dpkg-dev file \
                 desktop-file-utils gdb lintian appstream
CHECK_PACKAGES := clang libclang-rt-dev llvm
# What a target needs installed before the build; its prerequisites see the
# same value, so the build configures with everything the target uses.
NEEDED = $(BUILD_PACKAGES)
test bench: NEEDED = $(BUILD_PACKAGES) $(TEST_PACKAGES)

.PHONY: run test test-asan fuzz bench build build-asan reproducible clean

run: build
	$(BUILD_DIR)/vorodara

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

build:
	@scripts/install-packages $(NEEDED)
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_DIR) -j$(JOBS)

# The whole suite again in the checked build.
test-asan: build-asan
	cd $(ASAN_DIR) && ctest --output-on-failure -j$(JOBS)

# Arbitrary answers against the size prompts for a bounded time. Inputs of
# up to a kilobyte: the seeds' answers of 10,000 characters made libFuzzer
# try inputs of 30 kilobytes, at less than half the runs a minute (the
# answers test replays those seeds whole). The runs also follow what
# libFuzzer makes: an answer of 3276699 draws 32,865 grid lines, nearly all
# off the image. Of one build, alternated in one sitting, -seed=2 ran 83,428
# inputs in 20 s and -seed=3 40,786; after a minute their corpora held 10
# and 39 inputs that take a millisecond or more.
fuzz: build-asan
	mkdir -p $(ASAN_DIR)/fuzz-corpus
	$(ASAN_DIR)/tests/fuzz/fuzz_answers -max_total_time=$(FUZZ_SECONDS) -timeout=10 -max_len=1024 \
	    -print_final_stats=1 -dict=tests/fuzz/dictionary -artifact_prefix=$(ASAN_DIR)/ \
	    $(ASAN_DIR)/fuzz-corpus tests/fuzz/seeds

build-asan:
	@scripts/install-packages $(BUILD_PACKAGES) $(TEST_PACKAGES) $(CHECK_PACKAGES)
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	    -DVORODARA_SANITIZE=ON
	cmake --build $(ASAN_DIR) -j$(JOBS)

# The group searches, then the moves and the click on the shown window at
# each device pixel ratio. Then the beep: played, where canberra cannot
# open, where it opens but cannot play, and against a sound server that
# never answers.
BENCH_RATIOS := 1 1.5 2
bench: build
	$(BUILD_DIR)/bench/bench_group_search
	@for ratio in $(BENCH_RATIOS); do \
	    echo "== device pixel ratio $$ratio"; \
	    QT_SCALE_FACTOR=$$ratio $(BUILD_DIR)/bench/bench_moves || exit 1; \
	    QT_SCALE_FACTOR=$$ratio $(BUILD_DIR)/bench/bench_click || exit 1; \
	done
	$(BUILD_DIR)/bench/bench_beep
	$(BUILD_DIR)/bench/bench_beep unplayable
	$(BUILD_DIR)/bench/bench_beep no-card
	$(BUILD_DIR)/bench/bench_beep stalled

# The package built twice from the same source, in two folders at two
# times, must come out the same byte for byte; dpkg-dev lists its
# dependencies as the package test's does.
reproducible:
	@scripts/install-packages $(BUILD_PACKAGES) dpkg-dev
	scripts/reproducible

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR)
