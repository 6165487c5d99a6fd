# Everything goes through CMake and Ninja; these targets also install what is missing.
BUILD      ?= build
BUILD_SAN  ?= build-sanitize
BUILD_BENCH?= build-bench
JOBS       ?= $(shell nproc)
CMAKE_GEN   = -G Ninja

.PHONY: all deps configure build run test sim bench sanitize resources package clean

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/src/app/quillfern $(ARGS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

sim: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target quillfern-sim
	$(BUILD)/src/sim/quillfern-sim $(ARGS)

bench: deps
	cmake -S . -B $(BUILD_BENCH) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DQF_BENCH=ON
	cmake --build $(BUILD_BENCH) -j $(JOBS) --target benchmarks
	@for b in $(BUILD_BENCH)/bench/*_bench; do echo "== $$b"; $$b; done
	$(BUILD_BENCH)/src/sim/quillfern-sim bench

sanitize: deps
	cmake -S . -B $(BUILD_SAN) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DQF_WITH_QT=OFF -DQF_SANITIZE=ON
	cmake --build $(BUILD_SAN) -j $(JOBS)
	ctest --test-dir $(BUILD_SAN) --output-on-failure -j $(JOBS)

# The Debian package, $(BUILD)/quillfern_<version>_<arch>.deb.
package: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target quillfern quillfern-sim manual_pages
	cd $(BUILD) && cpack -G DEB

resources: deps
	bash tools/make-resources.sh

clean:
	rm -rf $(BUILD) $(BUILD_SAN) $(BUILD_BENCH)
