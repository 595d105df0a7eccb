# Convenience targets around the CMake build.
BUILD_DIR := build
CLI := $(BUILD_DIR)/casl2wb-cli

.PHONY: deps build test run clean

deps:
	scripts/install-deps

build:
	cmake -S . -B $(BUILD_DIR) -G Ninja
	cmake --build $(BUILD_DIR)

test: deps build
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

clean:
	rm -rf $(BUILD_DIR)
