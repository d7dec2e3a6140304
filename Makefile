# Two commands: `make run` opens the lesson window, `make test` runs every test.
# Both install the Debian packages they need first. `make check` builds and
# runs the core's suites alone, without Qt, in seconds once built. `make web`
# builds the lesson for the browser, `make run-web` serves it on this machine.

BUILD      ?= build
BUILD_ASAN ?= build-asan
BUILD_WEB  ?= build-web
BUILD_CHECK ?= build-check
WEB_PORT   ?= 8012
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=
PREFIX     ?= /usr/local

.PHONY: run test check test-fresh deps build build-asan test-asan web run-web bench bench-web package install clean

run: deps build
	./$(BUILD)/godojoken

test: deps build web
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) test-asan

# The fast loop: the core's suites alone, in a tree of their own without the
# desktop face. A compiler, CMake, Ninja and GoogleTest are all it needs; the
# colour check runs where python3-colorspacious is, and is skipped elsewhere.
# Nothing installed, no display, no browser. Unoptimised, which compiles in a
# third of the time, and so with a tenth of the soak's walk; `make test` runs
# the whole walk and is the whole proof.
check:
	@test -f $(BUILD_CHECK)/CMakeCache.txt || \
	  cmake -S . -B $(BUILD_CHECK) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGODO_DESKTOP=OFF $(CMAKE_ARGS)
	cmake --build $(BUILD_CHECK) -j $(JOBS) --target core_suites
	cd $(BUILD_CHECK) && GODO_SOAK_EVENTS=$${GODO_SOAK_EVENTS:-100000} ctest -L core -j $(JOBS) --output-on-failure

deps:
	./scripts/install-deps

build:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGODO_BUILD_BENCHMARKS=ON \
	      -DGODO_WEB_DIR=$(abspath $(BUILD_WEB)) $(CMAKE_ARGS)
	cmake --build $(BUILD) -j $(JOBS)

# The same suites under AddressSanitizer and UndefinedBehaviorSanitizer.
build-asan:
	cmake -S . -B $(BUILD_ASAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGODO_SANITIZE=ON $(CMAKE_ARGS)
	cmake --build $(BUILD_ASAN) -j $(JOBS)

test-asan: build-asan
	cd $(BUILD_ASAN) && ctest --output-on-failure -j $(JOBS) -LE no-sanitizer

# The lesson in the browser: $(BUILD_WEB)/godojoken.html, one file that runs
# offline, and $(BUILD_WEB)/site/ to serve and install as an app. emcc runs
# under Debian's Python and finds Debian's node modules, whichever python3
# and node come first on PATH.
WEB_ENV = EMSDK_PYTHON=$$(test -x /usr/bin/python3 && echo /usr/bin/python3 || command -v python3) \
          NODE_PATH=/usr/share/nodejs
web: deps
	$(WEB_ENV) emcmake cmake -S src/web -B $(BUILD_WEB) -G Ninja -DCMAKE_BUILD_TYPE=Release
	$(WEB_ENV) cmake --build $(BUILD_WEB) -j $(JOBS)
	@ls -l $(BUILD_WEB)/godojoken.html

run-web: web
	@echo "The lesson is at http://127.0.0.1:$(WEB_PORT)/ (Ctrl+C stops the server)."
	python3 -m http.server $(WEB_PORT) --bind 127.0.0.1 --directory $(BUILD_WEB)/site

bench: deps build
	./bench/run-benchmarks $(BUILD)

# The browser version's first-figure and click times in headless chromium.
bench-web: build web
	./tests/web/run-browser-tests.sh --install
	node bench/web_timing.mjs $(BUILD_WEB)/godojoken.html

# The Debian package $(BUILD)/godojoken_<version>_<arch>.deb, built by
# dpkg-buildpackage from a copy of the source in $(BUILD)/package-src.
package: deps
	./scripts/build-package $(BUILD)

# `make test` on a brand-new Debian 13 root and on a brand-new Debian 12 root;
# in each release the package built there, installed into a second new root
# and run by autopkgtest (as root; what CI runs).
test-fresh:
	./scripts/test-in-fresh-root

# Installs under PREFIX; DESTDIR=... stages the files elsewhere.
install: deps build
	cmake --install $(BUILD) --prefix $(PREFIX)

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_WEB) $(BUILD_CHECK)
