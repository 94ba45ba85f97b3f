# Thin front door over the CMake presets.
#   make run ARGS=-s   build Nimbrel.exe and run it under Wine
#   make test          build everything and run every test
#   make exe           only build Nimbrel.exe (build/windows/Nimbrel.exe)
#   make bench         time Nimbrel.exe -s against a do-nothing program

ARGS ?= -h
RUN_PREFIX := $(CURDIR)/build/wine-run
WINE_ENV := WINEPREFIX=$(RUN_PREFIX) WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" PROMPT='$$P$$G'

.PHONY: setup exe run test test-native test-sanitize test-fuzz test-windows bench clean

setup:
	./scripts/setup.sh

exe: setup
	cmake --preset windows
	cmake --build --preset windows

run: exe
	$(WINE_ENV) wine build/windows/Nimbrel.exe $(ARGS)

# Unit tests and lint; the same unit tests under ASan and UBSan; a short
# fuzzing run; then the real Nimbrel.exe end to end under Wine.
test: setup
	cmake --workflow --preset native
	cmake --workflow --preset sanitize
	cmake --workflow --preset fuzz
	cmake --workflow --preset windows

bench: exe
	./scripts/benchmark.sh

clean:
	rm -rf build
