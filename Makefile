# Two commands: `make run` opens the lesson window, `make test` runs every test.
# Both install the Debian packages they need first.

BUILD      ?= build
BUILD_ASAN ?= build-asan
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=
PREFIX     ?= /usr/local

.PHONY: run test deps build build-asan test-asan bench package install clean

run: deps build
	./$(BUILD)/godojoken

test: deps build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) test-asan

deps:
	./scripts/install-deps

build:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGODO_BUILD_BENCHMARKS=ON $(CMAKE_ARGS)
	cmake --build $(BUILD) -j $(JOBS)

# The same suites under AddressSanitizer and UndefinedBehaviorSanitizer.
build-asan:
	cmake -S . -B $(BUILD_ASAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGODO_SANITIZE=ON $(CMAKE_ARGS)
	cmake --build $(BUILD_ASAN) -j $(JOBS)

test-asan: build-asan
	cd $(BUILD_ASAN) && ctest --output-on-failure -j $(JOBS) -LE no-sanitizer

bench: deps build
	./bench/run-benchmarks $(BUILD)

# The Debian package $(BUILD)/godojoken_<version>_<arch>.deb.
package: deps build
	cd $(BUILD) && cpack -G DEB

# Installs under PREFIX; DESTDIR=... stages the files elsewhere.
install: deps build
	cmake --install $(BUILD) --prefix $(PREFIX)

clean:
	rm -rf $(BUILD) $(BUILD_ASAN)
