# Two commands are all a new user needs:
#   make run    install missing packages, build (Release), start the game
#   make test   install missing packages, build, run the whole test suite
#
# Other targets: make build, make bench, make fuzz, make shots, make package (a .deb),
# make format, make clean.
# SANITIZE=1 builds with AddressSanitizer and UBSan in a separate folder;
# WERROR=1 makes warnings errors.

SANITIZE ?= 0
WERROR ?= 0
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

ifeq ($(SANITIZE),1)
BUILD_DIR ?= build-asan
CMAKE_FLAGS = -DCMAKE_BUILD_TYPE=RelWithDebInfo -DJW_SANITIZE=ON -DJW_BUILD_BENCH=OFF
else
BUILD_DIR ?= build
CMAKE_FLAGS = -DCMAKE_BUILD_TYPE=Release
endif
# WERROR=1 turns every compiler warning into an error (CI builds this way).
ifeq ($(WERROR),1)
CMAKE_FLAGS += -DJW_WERROR=ON
endif

.PHONY: run test build deps bench fuzz shots package format clean

deps:
	@./scripts/install-deps

$(BUILD_DIR)/CMakeCache.txt:
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)

build: deps $(BUILD_DIR)/CMakeCache.txt
	@if [ "$(WERROR)" = 1 ]; then cmake -S . -B $(BUILD_DIR) -DJW_WERROR=ON >/dev/null; fi
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@if [ -x $(BUILD_DIR)/bin/jadewind ]; then \
	  $(BUILD_DIR)/bin/jadewind; \
	else \
	  echo "The game window is not built yet; showing the game catalog instead:"; \
	  $(BUILD_DIR)/bin/jadewind-tool catalog; \
	fi

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD_DIR)/bin/jw_bench
	@if [ -x $(BUILD_DIR)/bin/jw_ui_bench ]; then $(BUILD_DIR)/bin/jw_ui_bench; fi

shots: build
	./scripts/take-screenshots $(BUILD_DIR)

# The Debian package (CPack) in $(BUILD_DIR), e.g. build/jadewind_1.0.0_amd64.deb.
package: build
	cmake --build $(BUILD_DIR) --target package

fuzz: deps
	./scripts/run-fuzz

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-asan build-fuzz
