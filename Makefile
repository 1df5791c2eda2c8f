# The two commands people need: `make run` and `make test`.
# Both first install whatever Debian packages are missing.

BUILD      ?= build
BUILD_ASAN ?= build-asan
BUILD_FUZZ ?= build-fuzz
BUILD_BENCH ?= build-bench
BUILD_PACKAGE ?= build-package
JOBS       ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPX_WERROR=ON
FUZZ_SECONDS ?= 20
FUZZ_JOBS ?= 1
FUZZ_TARGETS = $(notdir $(basename $(wildcard fuzz/fuzz_*.cpp)))

PACKAGES = build-essential cmake pkg-config clang libclang-rt-dev locales \
  libgtest-dev libgmock-dev googletest libbenchmark-dev nlohmann-json3-dev \
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev libgl-dev \
  qt6-l10n-tools fonts-noto-cjk fonts-dejavu-core xvfb xauth imagemagick \
  libqt6svg6 qt6-qpa-plugins poppler-utils qt6-translations-l10n \
  lintian appstream desktop-file-utils man-db

.PHONY: setup configure build run test test-core test-asan fuzz bench clean install package

setup:
	@./tools/install-packages $(PACKAGES)
	@./tools/ensure-test-locale

configure: setup
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/px4800-cps ]; then $(BUILD)/px4800-cps $(ARGS); \
	 else $(BUILD)/px4800 --help; fi

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory test-asan
	@$(MAKE) --no-print-directory fuzz-smoke

# The core again under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: setup
	@cmake -S . -B $(BUILD_ASAN) -DCMAKE_BUILD_TYPE=Debug -DPX_CORE_ONLY=ON -DPX_SANITIZE=ON -DPX_WERROR=ON >/dev/null
	@cmake --build $(BUILD_ASAN) -j $(JOBS) --target core_tests
	@ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 $(BUILD_ASAN)/core_tests --gtest_brief=1

fuzz-build: setup
	@CC=clang CXX=clang++ cmake -S . -B $(BUILD_FUZZ) -DCMAKE_BUILD_TYPE=Debug -DPX_CORE_ONLY=ON -DPX_FUZZ=ON >/dev/null
	@cmake --build $(BUILD_FUZZ) -j $(JOBS) --target $(FUZZ_TARGETS)

# A short bounded run of every fuzz target; `make fuzz FUZZ_SECONDS=600` runs longer.
fuzz-smoke: fuzz-build
	@./tools/run-fuzzers $(BUILD_FUZZ) $(FUZZ_SECONDS) $(FUZZ_JOBS)

# An hour on two cores: the four targets half an hour each, two at a time.
fuzz: FUZZ_SECONDS = 1800
fuzz: FUZZ_JOBS = 2
fuzz: fuzz-build
	@./tools/run-fuzzers $(BUILD_FUZZ) $(FUZZ_SECONDS) $(FUZZ_JOBS)

bench: setup
	@cmake -S . -B $(BUILD_BENCH) -DCMAKE_BUILD_TYPE=Release -DPX_BENCH=ON >/dev/null
	@cmake --build $(BUILD_BENCH) -j $(JOBS)
	@for b in $(BUILD_BENCH)/px4800-bench*; do [ -f "$$b" ] && [ -x "$$b" ] && "$$b"; done; true

# Installs the three programs with their data; PREFIX=/usr/local unless given
# (DESTDIR is honoured as usual).
PREFIX ?= /usr/local
install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package of the same files, built apart with the hardening flags of a Debian
# release, in $(BUILD_PACKAGE)/; lintian must pass it without errors or warnings.
package: setup
	@cmake -S . -B $(BUILD_PACKAGE) $(CMAKE_FLAGS) -DPX_HARDEN=ON -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
	@cmake --build $(BUILD_PACKAGE) -j $(JOBS) --target px4800 px4800-sim px4800-cps man_pages package_docs
	@cd $(BUILD_PACKAGE) && cpack -G DEB -D CPACK_PACKAGING_INSTALL_PREFIX=/usr
	@lintian --fail-on error,warning $(BUILD_PACKAGE)/px4800-cps_*.deb

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_FUZZ) $(BUILD_BENCH) $(BUILD_PACKAGE)
