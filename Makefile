# Thin front door over the CMake presets.
#   make run ARGS=-s   build Nimbrel.exe and run it under Wine
#   make test          build everything and run every test
#   make exe           only build Nimbrel.exe (build/windows/Nimbrel.exe)

ARGS ?= -h
RUN_PREFIX := $(CURDIR)/build/wine-run
WINE_ENV := WINEPREFIX=$(RUN_PREFIX) WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" PROMPT='$$P$$G'

.PHONY: setup exe native run test clean

setup:
	./scripts/setup.sh

exe: setup
	cmake --preset windows
	cmake --build --preset windows

native: setup
	cmake --preset native
	cmake --build --preset native

run: exe
	$(WINE_ENV) wine build/windows/Nimbrel.exe $(ARGS)

test: native exe
	ctest --preset native
	ctest --preset windows

clean:
	rm -rf build
