# The two commands of the README: `make run` and `make test`.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

# Debian packages the build, the program and the tests need.
DEPS = g++ cmake ninja-build make pkg-config qt6-base-dev qt6-svg-dev libsdl2-mixer-dev \
       timgm6mb-soundfont libasound2-dev nettle-dev libgtest-dev libsqlite3-0 \
       fonts-liberation desktop-file-utils appstream
# What `make package` needs besides: dpkg-shlibdeps finds the linked libraries.
PACKAGE_DEPS = dpkg-dev file
# What `make screenshots` needs besides: a display, a window manager for the
# frames, a hand on keyboard and mouse, and a camera.
SCREENSHOT_DEPS = xvfb openbox xdotool imagemagick x11-utils

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

.PHONY: deps package-deps screenshot-deps configure build run test package screenshots clean

deps:
	$(call install-missing,$(DEPS))

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

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=disk ctest --output-on-failure -j $(JOBS)

# The Debian package, written into $(BUILD).
package: build package-deps
	cd $(BUILD) && cpack -G DEB

# One picture of each tab and window, into docs/screenshots.
screenshots: build screenshot-deps
	sh desktop/screenshots.sh $(BUILD) docs/screenshots

clean:
	rm -rf $(BUILD)
