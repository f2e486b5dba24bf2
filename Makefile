# The two set-up commands: `make run` and `make test`. Both install what is missing first.
RELEASE_DIR := build/release
TEST_DIR := build/test
BENCH_DIR := build/bench
CMAKE_FLAGS := -G Ninja -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
# Rebuilds after a branch switch or in a second work tree come from the cache when ccache is there.
CMAKE_FLAGS += $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: setup build run test package translations bench fuzz fuzz-smoke format clean

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

# Refreshes translations/*.ts from the sources (lupdate), then builds the .qm files into the
# release build (lrelease). The command line is not translated: its output is for scripts.
LUPDATE := $(shell qtpaths6 --query QT_HOST_BINS 2>/dev/null)/lupdate
translations: setup
	$(LUPDATE) -no-obsolete -locations none src/app src/ui src/store src/io src/render src/model \
		-ts translations/tesserly.ts translations/tesserly_*.ts
	cmake -S . -B $(RELEASE_DIR) $(CMAKE_FLAGS) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSERLY_TESTS=OFF
	cmake --build $(RELEASE_DIR)

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
