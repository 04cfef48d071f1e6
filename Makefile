# The two set-up commands of the README: `make run` and `make test`. Both install what is
# missing first (scripts/deps.sh), so they work on a fresh Debian machine as root.
BUILD   ?= build
ASAN    ?= build-asan
TSAN    ?= build-tsan
JOBS    ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
# Warnings fail the build only where we test; a plain build leaves the setting as it is.
WERROR ?=

.PHONY: all deps build run test test-normal test-package package install test-sanitizers cross-windows test-windows windows dist-windows screenshots-windows format format-check demo fuzz screenshots translations bench web web-run clean

all: build

deps:
	bash scripts/deps.sh

build: deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) $(if $(WERROR),-DBRENVOX_WERROR=$(WERROR))
	cmake --build $(BUILD) -j $(JOBS)

# Starts the program; without a display it runs on a virtual one so the command still works.
run: build
	@if [ -x $(BUILD)/gui/Brenvox ]; then \
	  if [ -n "$$DISPLAY" ] || [ -n "$$WAYLAND_DISPLAY" ]; then $(BUILD)/gui/Brenvox; \
	  else echo "No display found: starting Brenvox on a virtual display (xvfb-run)."; xvfb-run -a $(BUILD)/gui/Brenvox; fi; \
	else $(BUILD)/cli/brenvox-cli --help; fi

# The normal build and its tests, then the same tests under AddressSanitizer +
# UndefinedBehaviorSanitizer, the transfer tests under ThreadSanitizer, and the Windows programs
# under Wine (building Qt for MinGW first on a machine that has none).
test: WERROR = ON
test: format-check test-normal test-package test-sanitizers test-windows

test-normal: WERROR = ON
test-normal: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@# The contract is the Polish lines: the C locale gives Polish whatever the machine speaks.
	@if [ -x ../shared/checks/cli-contract ]; then LC_ALL=C.UTF-8 LANGUAGE= ../shared/checks/cli-contract $(BUILD)/cli/brenvox-cli; fi

# The Debian package of the build tree, checked (lintian, desktop entry, metainfo), unpacked and
# run from a read-only scratch root.
test-package: build
	bash scripts/test-package.sh $(BUILD)

# One Debian package in dist/; install it with `apt install ./dist/brenvox_*.deb`.
package: build
	cmake --build $(BUILD) --target package

# Installs into PREFIX (default /usr/local) with the install rules the package uses.
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# Sanitizer builds leave the GUI out of the ThreadSanitizer run: only the transfer runs threads.
test-sanitizers: deps
	cmake -S . -B $(ASAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRENVOX_SANITIZE=ON -DBRENVOX_WERROR=ON
	cmake --build $(ASAN) -j $(JOBS)
	cd $(ASAN) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS) -E 'cups|bench'
	cmake -S . -B $(TSAN) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRENVOX_TSAN=ON -DBRENVOX_GUI=OFF -DBRENVOX_WERROR=ON
	cmake --build $(TSAN) -j $(JOBS) --target brenvox_link_tests
	cd $(TSAN) && TSAN_OPTIONS=halt_on_error=1 ctest --output-on-failure -R '^(Transfer|Link|Serial|Fault)'

cross-windows: deps
	@if [ -x scripts/cross-windows.sh ]; then bash scripts/cross-windows.sh; fi

# The Windows build under Wine beside the Linux build: the settings commands give the same files
# and output, and program / compare / read (with faults) through a Wine COM port end the same;
# the Qt Test programs pass on the offscreen platform, Brenvox.exe starts, and so do the zip's
# and the installer's programs, each in a fresh prefix.
test-windows: deps windows
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS) --target brenvox-cli brenvox-modsim
	bash scripts/test-windows.sh $(BUILD) build-win
	bash scripts/dist-windows.sh build-win
	qt=$$(bash scripts/qt-mingw.sh) && bash scripts/test-windows-gui.sh build-win "$$qt"

# Qt for MinGW (built once per machine into ~/.cache/brenvox: about 25 minutes on 2 cores), then
# Brenvox.exe, brenvox-cli.exe and the Windows builds of the Qt tests in build-win.
windows: deps
	qt=$$(bash scripts/qt-mingw.sh) && bash scripts/cross-windows.sh build-win "$$qt"

dist-windows: windows
	bash scripts/dist-windows.sh build-win

screenshots-windows: windows
	qt=$$(bash scripts/qt-mingw.sh) && \
	  bash scripts/test-windows-gui.sh build-win "$$qt" --screenshots build-win/screenshots

# Every C++ file of the tree as clang-format would write it; format-check changes nothing and
# fails on the first difference, so a change that skipped `make format` cannot land.
FORMAT_FILES = $(shell git ls-files '*.cpp' '*.h' 2>/dev/null || find core cli gui sim tests bench tools -name '*.cpp' -o -name '*.h')
format:
	clang-format -i $(FORMAT_FILES)

format-check: deps
	clang-format --dry-run --Werror $(FORMAT_FILES)

FUZZ_SECONDS ?= 60
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DBRENVOX_FUZZ=ON -DBRENVOX_GUI=OFF -DBRENVOX_TESTS=OFF
	cmake --build build-fuzz -j $(JOBS)
	bash scripts/fuzz.sh build-fuzz $(FUZZ_SECONDS)

# Every fuzz target until it has done ten million executions (hours in all, not part of `make
# test`), going on from the corpus that earlier runs kept in build-fuzz/fuzz-work/<name>.
fuzz-long: deps
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DBRENVOX_FUZZ=ON -DBRENVOX_GUI=OFF -DBRENVOX_TESTS=OFF
	cmake --build build-fuzz -j $(JOBS)
	bash scripts/fuzz.sh --runs 10000000 build-fuzz

# Transfer times of program / compare / read against the simulator, with their ratio to the
# protocol's floor, the start-up time of the main window against a bare Qt window, then render
# and history at fleet sizes, the archive window on 10 000 entries, and the page in the browser
# (Programuj beside the desktop engine, ready to edit, bytes downloaded, longest task);
# measurements, never pass/fail gates.
bench: build
	cmake --build $(BUILD) --target bench_link bench_startup
	cmake --build $(BUILD) --target bench_fleet bench_archive
	bash scripts/bench-web.sh $(BUILD)

# A picture of every page and dialog in Polish and in English (build/screenshots/pl, .../en),
# taken on a virtual display.
screenshots: build
	bash scripts/screenshots.sh $(BUILD) $(BUILD)/screenshots

# Collects the texts of the sources into translations/*.ts (new ones wait there as unfinished
# for a translator; texts no longer used are dropped).
translations: build
	cmake --build $(BUILD) --target update_translations

# The page in the browser: the core compiled by Emscripten into WebAssembly, and the static site
# in $(WEB)/site. Emscripten's own tools find their Node modules only in /usr/share/nodejs.
WEB ?= build-web
WEB_PORT ?= 8027
web: deps
	NODE_PATH=/usr/share/nodejs emcmake cmake -S . -B $(WEB) -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
	  $(if $(WERROR),-DBRENVOX_WERROR=$(WERROR))
	NODE_PATH=/usr/share/nodejs cmake --build $(WEB) -j $(JOBS)

# Serves the site on this computer only; Web Serial needs a secure page, which localhost is.
web-run: web
	@echo "Brenvox in the browser: http://localhost:$(WEB_PORT)/ (Ctrl-C ends)"
	python3 -m http.server $(WEB_PORT) --bind 127.0.0.1 --directory $(WEB)/site

demo: build
	$(BUILD)/cli/brenvox-cli demo

clean:
	rm -rf $(BUILD) $(ASAN) $(TSAN) $(WEB)
