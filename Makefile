# Thin wrapper over scripts/ and CMake. Every target installs what is missing first, then
# configures once and lets Ninja rebuild only what changed.
BUILD       ?= build
BUILD_ASAN  ?= build-asan
BUILD_TSAN  ?= build-tsan
BUILD_BENCH ?= build-bench
BUILD_FUZZ  ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS        ?= 2
EXAMPLE      = examples/setup-new.txt examples/setup-old.txt
# Warnings are errors in every tree made here (development and CI); a plain cmake build keeps them
# warnings.
CMAKE_FLAGS  = -G Ninja -DDORIX_WERROR=ON

.PHONY: all deps build run test test-asan test-tsan fuzz bench screenshots install deb translations clean

all: build

deps:
	@scripts/install-deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DDORIX_TESTS=ON

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

# The main window on the example pair; without a display, pictures of it instead.
run: build
	@scripts/install-deps.sh xchm
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
		$(BUILD)/app/dorix $(EXAMPLE); \
	else \
		echo "No display here: writing pictures of the window to $(BUILD)/screenshots/ instead."; \
		QT_QPA_PLATFORM=offscreen $(BUILD)/tests/screenshots/screenshots $(BUILD)/screenshots; \
	fi

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Pictures of every window and layout, rendered offscreen into $(BUILD)/screenshots/, and of the
# HTML page where a headless browser is installed.
screenshots: build
	$(BUILD)/tests/screenshots/screenshots $(BUILD)/screenshots
	scripts/html-screenshot.sh $(BUILD)

# Installs the programs, help file, menu entry, icons, metadata, manual pages and completion
# under PREFIX (inside DESTDIR when given, for packaging).
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX) --strip

# Gathers new and changed texts of the window into translations/dorix_en.ts (lupdate); their
# English forms are then written there, and the build compiles them into the program.
translations: build
	cmake --build $(BUILD) --target update_translations

# A Debian package of the same files under /usr, in $(BUILD)/: dorix_VERSION_ARCH.deb.
deb: build
	cd $(BUILD) && cpack -G DEB

$(BUILD_ASAN)/build.ninja:
	cmake -S . -B $(BUILD_ASAN) $(CMAKE_FLAGS) -DDORIX_TESTS=ON -DDORIX_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug

test-asan: deps $(BUILD_ASAN)/build.ninja
	cmake --build $(BUILD_ASAN) -j $(JOBS)
	cd $(BUILD_ASAN) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --output-on-failure -j $(JOBS)

$(BUILD_TSAN)/build.ninja:
	cmake -S . -B $(BUILD_TSAN) $(CMAKE_FLAGS) -DDORIX_TESTS=ON -DDORIX_TSAN=ON

# The tests that run work on threads (the comparison, the viewer, the window) under
# ThreadSanitizer; tests/tsan.supp names the reports of Qt's own internals it cannot follow.
test-tsan: deps $(BUILD_TSAN)/build.ninja
	cmake --build $(BUILD_TSAN) -j $(JOBS) --target model_tests viewer_tests app_tests
	cd $(BUILD_TSAN) && \
		TSAN_OPTIONS="suppressions=$(CURDIR)/tests/tsan.supp ignore_noninstrumented_modules=1 halt_on_error=1" \
		ctest --output-on-failure -j $(JOBS) -L threads

$(BUILD_FUZZ)/build.ninja:
	CC=clang CXX=clang++ cmake -S . -B $(BUILD_FUZZ) $(CMAKE_FLAGS) -DDORIX_TESTS=OFF -DDORIX_FUZZ=ON \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo

# Every fuzz target for FUZZ_SECONDS seconds (libFuzzer, clang).
fuzz: deps $(BUILD_FUZZ)/build.ninja
	cmake --build $(BUILD_FUZZ) -j $(JOBS)
	QT_QPA_PLATFORM=offscreen scripts/fuzz.sh $(BUILD_FUZZ) $(FUZZ_SECONDS)

$(BUILD_BENCH)/build.ninja:
	cmake -S . -B $(BUILD_BENCH) $(CMAKE_FLAGS) -DDORIX_TESTS=OFF -DDORIX_BENCH=ON -DCMAKE_BUILD_TYPE=Release

bench: deps $(BUILD_BENCH)/build.ninja
	cmake --build $(BUILD_BENCH) -j $(JOBS)
	$(BUILD_BENCH)/bench/engine_bench
	$(BUILD_BENCH)/bench/viewer_bench
	bench/peers.sh $(BUILD_BENCH)
	bench/app.sh $(BUILD_BENCH)

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_TSAN) $(BUILD_BENCH) $(BUILD_FUZZ)
