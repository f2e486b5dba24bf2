# The two set-up commands: `make run` and `make test`. Both install what is missing first.
RELEASE_DIR := build/release
TEST_DIR := build/test
BENCH_DIR := build/bench
CMAKE_FLAGS := -G Ninja -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
# Rebuilds after a branch switch or in a second work tree come from the cache when ccache is there.
CMAKE_FLAGS += $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: setup build run test package bench fuzz fuzz-smoke format clean

setup:
	@bash scripts/setup.sh

build: setup
	cmake -S . -B $(RELEASE_DIR) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSERLY_TESTS=OFF
	cmake --build $(RELEASE_DIR)

run: build
	./$(RELEASE_DIR)/tesserly $(ARGS)

test: setup
	cmake -S . -B $(TEST_DIR) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Debug -DTESSERLY_SANITIZE=ON -DTESSERLY_WERROR=ON
	cmake --build $(TEST_DIR)
	cd $(TEST_DIR) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j2

# A Debian package of the release build (build/release/tesserly_*.deb), then its checks.
package: build
	TESSERLY_EXTRA_PACKAGES="dpkg-dev appstream man-db desktop-file-utils" bash scripts/setup.sh
	rm -f $(RELEASE_DIR)/tesserly_*.deb
	cd $(RELEASE_DIR) && cpack -G DEB
	bash scripts/check-package.sh $(RELEASE_DIR)/tesserly_*.deb

bench: setup
	TESSERLY_EXTRA_PACKAGES="imagemagick libvips-tools libjpeg-turbo-progs libheif-examples" bash scripts/setup.sh
	cmake -S . -B $(BENCH_DIR) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=Release -DTESSERLY_TESTS=OFF -DTESSERLY_BENCHMARKS=ON
	cmake --build $(BENCH_DIR)
	bash scripts/bench.sh $(BENCH_DIR)

fuzz: setup
	TESSERLY_EXTRA_PACKAGES="clang libclang-rt-14-dev" bash scripts/setup.sh
	bash scripts/fuzz.sh build

fuzz-smoke: fuzz
	bash scripts/fuzz.sh smoke 60

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
