# The two commands of the README: `make run` and `make test`.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

# Debian packages the build, the program and the tests need.
DEPS = g++ cmake ninja-build make pkg-config qt6-base-dev qt6-svg-dev libsdl2-mixer-dev \
       timgm6mb-soundfont libasound2-dev nettle-dev libgtest-dev libsqlite3-0 \
       fonts-liberation

# What `make bench` needs besides: an X server for the program's window and the
# X client library through which the benchmark watches for it.
BENCH_DEPS = xvfb xauth libxcb1-dev

SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

.PHONY: deps configure build run test bench clean

deps:
	@missing=""; \
	for p in $(DEPS) $(EXTRA_DEPS); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi

$(BUILD)/build.ninja: CMakeLists.txt
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/chimeral

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=disk ctest --output-on-failure -j $(JOBS)

# Benchmarks: about four minutes; prints one line per figure. Not run by CI.
bench:
	$(MAKE) deps EXTRA_DEPS="$(BENCH_DEPS)"
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)
	cmake --build $(BUILD) -j $(JOBS) --target chimeral_bench
	xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" ./$(BUILD)/chimeral_bench ./$(BUILD)/chimeral

clean:
	rm -rf $(BUILD)
