# The two commands of the README, plus the pieces they are made of.
# Everything runs as root on Debian 12; missing packages are installed on the way.

ROOT  := $(CURDIR)
B64   := $(ROOT)/build/x86_64
B32   := $(ROOT)/build/i686
WINE_ENV := KV_BUILD=$(B64)

.PHONY: test check run bench fuzz setup build build32 release printer prefix fuzz-smoke clean

# Windows need a display: Xvfb runs on a free display for the test run and is stopped by its
# process id. Wine's desktop process takes the display it starts with, so no Wine process of
# the prefix may be left from before. A test that fails runs once more: the window tests
# depend on focus and timing on a display without a window manager; a real fault fails twice.
test: build build32 printer prefix
	@$(WINE_ENV) bash -c '. $(ROOT)/scripts/wine-env.sh; /usr/lib/wine/wineserver -k; /usr/lib/wine/wineserver -w' 2>/dev/null || true
	@display=$$(scripts/xvfb-start.sh $(B64)/xvfb.pid) || exit 1; export DISPLAY=$$display; \
	  $(WINE_ENV) scripts/wine-start.sh; \
	  cd $(B64) && ctest --output-on-failure -j2 --repeat until-pass:2; rc=$$?; \
	  $(WINE_ENV) bash -c '. $(ROOT)/scripts/wine-env.sh; /usr/lib/wine/wineserver -k'; \
	  $(ROOT)/scripts/xvfb-stop.sh $(B64)/xvfb.pid; exit $$rc
	@$(MAKE) --no-print-directory fuzz-smoke

# The tests whose names match T (a CTest regular expression), in the same environment as
# make test, without the i686 build and the fuzz run: `make check T='print|stream'`.
T ?= .
check: build printer prefix
	@$(WINE_ENV) bash -c '. $(ROOT)/scripts/wine-env.sh; /usr/lib/wine/wineserver -k; /usr/lib/wine/wineserver -w' 2>/dev/null || true
	@display=$$(scripts/xvfb-start.sh $(B64)/xvfb.pid) || exit 1; export DISPLAY=$$display; \
	  $(WINE_ENV) scripts/wine-start.sh; \
	  cd $(B64) && ctest --output-on-failure -j2 -R '$(T)'; rc=$$?; \
	  $(WINE_ENV) bash -c '. $(ROOT)/scripts/wine-env.sh; /usr/lib/wine/wineserver -k'; \
	  $(ROOT)/scripts/xvfb-stop.sh $(B64)/xvfb.pid; exit $$rc

run: build prefix
	@$(WINE_ENV) scripts/run.sh

bench: build prefix
	@$(WINE_ENV) scripts/bench.sh

# The library's hostile-input loop run long, every generator ROUNDS rounds from SEED.
ROUNDS ?= 20000
SEED ?= 20261208
fuzz: build prefix
	@$(WINE_ENV) scripts/wine-run.sh $(B64)/bin/hostile_input_bench.exe $(ROUNDS) $(SEED)

setup:
	@scripts/setup.sh

build: setup
	@mkdir -p build
	@cmake -S . -B $(B64) -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64.cmake \
	  -DCMAKE_BUILD_TYPE=Release > $(ROOT)/build/configure-x86_64.log || \
	  { cat $(ROOT)/build/configure-x86_64.log; exit 1; }
	@cmake --build $(B64) -j2

# Every deliverable also builds for 32-bit Windows (classic Susie hosts are 32-bit), without a
# warning; the tests are not built, as nothing 32-bit runs here. Then every module's imports
# are checked.
DELIVERABLES := KVMemo KVObj KVOption ImagePane imgfilt susie_folder
build32: setup
	@mkdir -p build
	@cmake -S . -B $(B32) -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686.cmake \
	  -DCMAKE_BUILD_TYPE=Release -DKV_PLUGINS_ONLY=OFF > $(ROOT)/build/configure-i686.log || \
	  { cat $(ROOT)/build/configure-i686.log; exit 1; }
	@cmake --build $(B32) -j2 --target $(DELIVERABLES) > $(ROOT)/build/build-i686.log 2>&1 || \
	  { cat $(ROOT)/build/build-i686.log; exit 1; }
	@! grep -i 'warning' $(ROOT)/build/build-i686.log
	@scripts/check-modules.sh $(B32)/bin i686-w64-mingw32-objdump

# One installer and one zip per architecture in build/release/.
release: build build32
	@scripts/release.sh

# A PDF print queue as the default printer, set up before Wine starts: the print tests use it.
printer: setup
	@scripts/printer-start.sh

prefix: setup
	@$(WINE_ENV) scripts/wine-prefix.sh

fuzz-smoke: setup
	@if [ -x scripts/fuzz-mag.sh ]; then scripts/fuzz-mag.sh 20; fi

clean:
	rm -rf build
