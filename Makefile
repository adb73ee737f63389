# Quillo: `make run` to start the program, `make test` to run every test.
# Both install what is missing first (Debian packages, through apt-get).

BUILD       ?= build
SAN_BUILD   ?= build-sanitize
BENCH_BUILD ?= build-bench
JOBS        ?= 2
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

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
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

$(SAN_BUILD)/build.ninja: | setup
	cmake -S . -B $(SAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLO_SANITIZE=ON

sanitize: setup $(SAN_BUILD)/build.ninja
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ASAN_OPTIONS=abort_on_error=1 ctest --output-on-failure -j $(JOBS)

screenshots: build
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/tests/quillo_screenshots $(BUILD)/screenshots
	@echo "Screenshots written to $(BUILD)/screenshots"

$(BENCH_BUILD)/build.ninja: | setup
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLO_BENCH=ON -DBUILD_TESTING=OFF

bench: setup $(BENCH_BUILD)/build.ninja
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	QT_QPA_PLATFORM=offscreen ./$(BENCH_BUILD)/bench/quillo_bench

# The Debian package, checked by lintian, in dist/ (see scripts/package.sh).
package:
	JOBS=$(JOBS) bash scripts/package.sh

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(BENCH_BUILD)
