# make test  installs what is missing, builds all three presets and runs every test
# make demo  stages Zelkova in a throwaway Wine prefix, runs setup and uninstall, reports
# make ship  the i686 programs only, in build/win32
# make fuzz  builds the fuzz targets with clang and runs each for FUZZ_SECONDS
.PHONY: all deps format-check native win64 win32 test test-native test-win64 ship demo fuzz clean

JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 300
SHIPPED = uninstall/uninstall.exe uninstall/lang/zkvlng.dll sombrel/sombrel.exe calendar/calendar.exe
SHIPPED_FILES = uninstall/lang/uninstall.lng

all: test

deps:
	@tools/install-deps.sh

native: deps
	cmake --preset native >/dev/null
	cmake --build build/native -j $(JOBS)

win64: deps
	cmake --preset win64 >/dev/null
	cmake --build build/win64 -j $(JOBS)

win32: deps
	cmake --preset win32 >/dev/null
	cmake --build build/win32 -j $(JOBS)

format-check: deps
	tools/check-format.sh

# The native tests include the replay of every fuzz target's committed corpus.
test-native: native
	tools/run-ctest.sh build/native native

test-win64: win64
	tools/run-ctest.sh build/win64 wine

ship: win32
	tools/pe-check.sh $(addprefix build/win32/,$(SHIPPED))
	@for f in $(addprefix build/win32/,$(SHIPPED_FILES)); do test -f $$f || { echo "missing $$f"; exit 1; }; done

test: format-check test-native test-win64 ship

# The build's output goes to a log, shown only when the build fails.
DEMO_LOG = build/demo-build.log
demo: deps
	@echo "demo: building the win64 programs and stand-ins (log: $(DEMO_LOG))"
	@mkdir -p build
	@{ cmake --preset win64 && cmake --build build/win64 -j $(JOBS); } >$(DEMO_LOG) 2>&1 || \
	  { cat $(DEMO_LOG); echo "demo: the build failed"; exit 1; }
	@tools/demo.sh

fuzz:
	@tools/install-deps.sh fuzz
	cmake --preset fuzz >/dev/null
	cmake --build build/fuzz -j $(JOBS) --target fuzz_targets
	fuzz/run.sh build/fuzz $(FUZZ_SECONDS)

clean:
	rm -rf build
