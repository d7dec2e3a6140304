# Two commands: `make run` opens the lesson window, `make test` runs every test.
# Both install the Debian packages they need first.

BUILD      ?= build
BUILD_ASAN ?= build-asan
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=
PREFIX     ?= /usr/local

.PHONY: run test test-fresh deps build build-asan test-asan bench package install clean

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

# The Debian package $(BUILD)/godojoken_<version>_<arch>.deb, built by
# dpkg-buildpackage from a copy of the source in $(BUILD)/package-src.
package: deps
	./scripts/build-package $(BUILD)

# `make test` on a brand-new Debian 12 root, then the package built there,
# installed into a second new root and smoke-tested (as root; what CI runs).
test-fresh:
	./scripts/test-in-fresh-root

# Installs under PREFIX; DESTDIR=... stages the files elsewhere.
install: deps build
	cmake --install $(BUILD) --prefix $(PREFIX)

clean:
	rm -rf $(BUILD) $(BUILD_ASAN)
