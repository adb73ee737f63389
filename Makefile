# Quillo: `make run` to start the program, `make test` to run every test.
# Both install what is missing first (Debian packages, through apt-get).

BUILD       ?= build
SAN_BUILD   ?= build-sanitize
BENCH_BUILD ?= build-bench
JOBS        ?= 2
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

# Qt wants a private runtime folder and says so at every start without one;
# the tools give it one of their own and keep the platform's chatter out, so
# what they found stands out.
RUNTIME_DIR := $(CURDIR)/$(BUILD)/xdg-runtime
QUIET       := XDG_RUNTIME_DIR=$(RUNTIME_DIR) QT_LOGGING_RULES="qt.qpa.*=false"
quiet-runtime = @mkdir -p -m 700 $(RUNTIME_DIR)

.PHONY: all setup build run test sanitize screenshots bench package clean

all: build

setup:
	@bash scripts/setup.sh

$(BUILD)/build.ninja: | setup
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: setup $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/quillo

test: build
	$(quiet-runtime)
	cd $(BUILD) && $(QUIET) ctest --output-on-failure -j $(JOBS)

$(SAN_BUILD)/build.ninja: | setup
	cmake -S . -B $(SAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLO_SANITIZE=ON

sanitize: setup $(SAN_BUILD)/build.ninja
	cmake --build $(SAN_BUILD) -j $(JOBS)
	$(quiet-runtime)
	cd $(SAN_BUILD) && $(QUIET) UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ASAN_OPTIONS=abort_on_error=1 ctest --output-on-failure -j $(JOBS)

screenshots: build
	$(quiet-runtime)
	@$(QUIET) QT_QPA_PLATFORM=offscreen ./$(BUILD)/tests/quillo_screenshots $(BUILD)/screenshots

$(BENCH_BUILD)/build.ninja: | setup
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLO_BENCH=ON -DBUILD_TESTING=OFF

# Offscreen by default; on a real X server with DISPLAY set and QUILLO_BENCH_X=1.
bench: setup $(BENCH_BUILD)/build.ninja
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	$(quiet-runtime)
	@$(QUIET) ./$(BENCH_BUILD)/bench/quillo_bench

# The Debian package, checked by lintian, in dist/ (see scripts/package.sh).
package:
	JOBS=$(JOBS) bash scripts/package.sh

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(BENCH_BUILD)
