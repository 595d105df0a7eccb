# Convenience targets around the CMake build.
BUILD_DIR := build
CLI := $(BUILD_DIR)/casl2wb-cli
# The package is built apart from the development build: Release, no tests.
PACKAGE_DIR := build-package
# The browser edition (emscripten): the node program and the site.
WEB_DIR := build-web
# Debian's emscripten finds its optimizer's parser (acorn) only here.
export NODE_PATH := /usr/share/nodejs

.PHONY: deps build web test run package clean

deps:
	scripts/install-deps

build:
	cmake -S . -B $(BUILD_DIR) -G Ninja
	cmake --build $(BUILD_DIR)

# build-web/casl2wb-cli.js and the site in build-web/site.
web: deps web/node_modules/.installed
	emcmake cmake -S . -B $(WEB_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCASL2WB_WITH_QT=OFF -DCASL2WB_BUILD_TESTS=OFF -DCASL2WB_BUILD_BENCH=OFF >/dev/null
	cmake --build $(WEB_DIR)

# The page's packages, exactly as the lock file pins them.
web/node_modules/.installed: web/package.json web/package-lock.json
	cd web && npm ci --no-audit --no-fund
	touch $@

test: deps build web
	ctest --test-dir $(BUILD_DIR) --output-on-failure

run: deps build
	@if [ -n "$$DISPLAY" ] || [ -n "$$WAYLAND_DISPLAY" ]; then \
	  exec $(BUILD_DIR)/casl2wb; \
	fi; \
	echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set), so the desktop program cannot start."; \
	echo "The text front end is shown instead: casl2wb-cli check on every example."; \
	for file in examples/*.txt; do \
	  echo "===== $$file ====="; \
	  $(CLI) check "$$file"; \
	  echo "(exit status $$?)"; \
	done

# The Debian package casl2wb_VERSION_ARCH.deb, written into $(PACKAGE_DIR).
package: deps
	cmake -S . -B $(PACKAGE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCASL2WB_BUILD_TESTS=OFF -DCASL2WB_BUILD_BENCH=OFF
	cmake --build $(PACKAGE_DIR)
	cd $(PACKAGE_DIR) && cpack -G DEB
	@ls -1 $(PACKAGE_DIR)/*.deb

clean:
	rm -rf $(BUILD_DIR) $(PACKAGE_DIR) $(WEB_DIR)
