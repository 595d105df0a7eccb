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
	@echo "The desktop program is not built yet, so the text front end is shown: casl2wb-cli check on every example."
	@for file in examples/*.txt; do \
	  echo "===== $$file ====="; \
	  $(CLI) check "$$file"; \
	  echo "(exit status $$?)"; \
	done

clean:
	rm -rf $(BUILD_DIR)
