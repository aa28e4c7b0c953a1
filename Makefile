# SPDX-License-Identifier: MIT
# The two commands of the README: `make run` and `make test`; for hardening,
# `make test-sanitize` and `make fuzz`.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

# Debian packages the build, the program and the tests need.
DEPS = g++ cmake ninja-build make pkg-config qt6-base-dev qt6-svg-dev libsdl2-mixer-dev \
       timgm6mb-soundfont libasound2-dev nettle-dev libxcb1-dev libxcb-screensaver0-dev \
       libgtest-dev libsqlite3-0 fonts-liberation desktop-file-utils appstream dbus-daemon tzdata \
       qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
# What `make fuzz` needs on top: clang and its runtime libraries, libFuzzer included.
FUZZ_DEPS = clang-14 libclang-rt-14-dev
# What `make format-check` needs: the formatter the sources are kept in.
FORMAT_DEPS = clang-format-14
# What `make package` needs besides: dpkg-shlibdeps finds the linked libraries.
PACKAGE_DEPS = dpkg-dev file
# What `make screenshots` needs besides: a display, a window manager for the
# frames, a hand on keyboard and mouse, and a camera.
SCREENSHOT_DEPS = xvfb openbox xdotool imagemagick x11-utils

# What `make bench` needs besides: an X server for the program's window and the
# X client library through which the benchmark watches for it.
BENCH_DEPS = xvfb xauth libxcb1-dev

SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

# Installs those of the given Debian packages that are missing.
define install-missing
	@missing=""; \
	for p in $(1); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi
endef

.PHONY: deps fuzz-deps package-deps screenshot-deps configure build run test test-sanitize fuzz package screenshots bench format-check clean

deps:
	$(call install-missing,$(DEPS))

fuzz-deps:
	$(call install-missing,$(FUZZ_DEPS))

package-deps:
	$(call install-missing,$(PACKAGE_DEPS))

screenshot-deps:
	$(call install-missing,$(SCREENSHOT_DEPS))

$(BUILD)/build.ninja: CMakeLists.txt
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/chimeral

# Warnings are errors in the test builds, and so in CI, though not in a user's
# `make run`; a build folder configured earlier is switched over too.
werror-on = grep -qs '^CHIMERAL_WERROR:BOOL=ON' $(1)/CMakeCache.txt || cmake -DCHIMERAL_WERROR=ON $(1)

test: configure
	$(call werror-on,$(BUILD))
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=disk ctest --output-on-failure -j $(JOBS)

# The whole test suite under AddressSanitizer (leaks included) and UBSan: any
# finding fails its test. Leaks of the system libraries are suppressed by
# library name in tests/sanitize/lsan.supp; ours are never suppressed.
SANITIZE_BUILD ?= build-sanitize
SANITIZE_ENV = \
  ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=0:detect_stack_use_after_return=1:check_initialization_order=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/lsan.supp:print_suppressions=0 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

$(SANITIZE_BUILD)/build.ninja: CMakeLists.txt
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DCHIMERAL_SANITIZE=ON

test-sanitize: deps $(SANITIZE_BUILD)/build.ninja
	$(call werror-on,$(SANITIZE_BUILD))
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=disk \
	  ctest --output-on-failure -j $(JOBS)

# Each fuzz target of fuzz/ runs for FUZZ_SECONDS, one after the other, growing
# its corpus in build-fuzz/corpus/<target> from the seeds in fuzz/corpus/<target>.
# A finding stops the run and leaves its input in build-fuzz/findings/<target>/.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
# Long enough for options files past the read limit (16 KiB).
FUZZ_FLAGS ?= -max_len=20000
FUZZ_TARGETS ?= $(sort $(basename $(notdir $(wildcard fuzz/*.cpp))))
FUZZ_ENV = ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/lsan.supp:print_suppressions=0 QT_QPA_PLATFORM=offscreen

$(FUZZ_BUILD)/build.ninja: CMakeLists.txt
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
	  -DCMAKE_CXX_COMPILER=clang++-14 -DCHIMERAL_FUZZ=ON -DCHIMERAL_TESTS=OFF

fuzz: deps fuzz-deps $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets
	@set -e; for t in $(FUZZ_TARGETS); do \
	  corpus=$(abspath $(FUZZ_BUILD))/corpus/$$t; findings=$(abspath $(FUZZ_BUILD))/findings/$$t; \
	  mkdir -p $$corpus $$findings; \
	  seeds=""; [ -d fuzz/corpus/$$t ] && seeds=$(CURDIR)/fuzz/corpus/$$t; \
	  echo "== fuzz_$$t for $(FUZZ_SECONDS) s"; \
	  $(FUZZ_ENV) ./$(FUZZ_BUILD)/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) $(FUZZ_FLAGS) -print_final_stats=1 \
	    -artifact_prefix=$$findings/ $$corpus $$seeds; \
	done

# The Debian package, written into $(BUILD).
package: build package-deps
	cd $(BUILD) && cpack -G DEB

# One picture of each tab and window, into docs/screenshots.
screenshots: build screenshot-deps
	sh desktop/screenshots.sh $(BUILD) docs/screenshots

# Benchmarks: about four minutes; prints one line per figure. Not run by CI.
bench:
	$(call install-missing,$(DEPS) $(BENCH_DEPS))
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)
	cmake --build $(BUILD) -j $(JOBS) --target chimeral_bench
	xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" ./$(BUILD)/chimeral_bench ./$(BUILD)/chimeral

# Fails when any tracked C++ file differs from what clang-format makes of it.
format-check:
	$(call install-missing,$(FORMAT_DEPS))
	git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 --dry-run --Werror

clean:
	rm -rf $(BUILD)
