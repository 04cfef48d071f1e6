# The two set-up commands of the README: `make run` and `make test`. Both install what is
# missing first (scripts/deps.sh), so they work on a fresh Debian machine as root.
BUILD   ?= build
ASAN    ?= build-asan
TSAN    ?= build-tsan
JOBS    ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps build run test test-normal test-sanitizers demo fuzz screenshots bench clean

all: build

deps:
	bash scripts/deps.sh

build: deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

# Starts the program; without a display it runs on a virtual one so the command still works.
run: build
	@if [ -x $(BUILD)/gui/Brenvox ]; then \
	  if [ -n "$$DISPLAY" ] || [ -n "$$WAYLAND_DISPLAY" ]; then $(BUILD)/gui/Brenvox; \
	  else echo "No display found: starting Brenvox on a virtual display (xvfb-run)."; xvfb-run -a $(BUILD)/gui/Brenvox; fi; \
	else $(BUILD)/cli/brenvox-cli --help; fi

test: test-normal

test-normal: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@if [ -x ../shared/checks/cli-contract ]; then ../shared/checks/cli-contract $(BUILD)/cli/brenvox-cli; fi

demo: build
	$(BUILD)/cli/brenvox-cli demo

clean:
	rm -rf $(BUILD) $(ASAN) $(TSAN)
