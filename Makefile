# make test   installs what is missing, builds both targets, runs every test
# make demo   builds the release package into dist/
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: test demo native win32 deps clean

deps:
	tools/install-deps native win32 wine

native:
	tools/install-deps native
	cmake --preset native
	cmake --build --preset native -j $(JOBS)

win32:
	tools/install-deps win32
	cmake --preset win32
	cmake --build --preset win32 -j $(JOBS)

test: native win32
	tools/check-dll build/win32/src/slatepane.asi
	ctest --preset native -j $(JOBS)

demo: win32
	rm -rf dist
	mkdir -p dist
	cp build/win32/src/slatepane.asi dist/
	cp -r data/slate_pane_morrowfen dist/
	@echo "release package: dist/slatepane.asi and dist/slate_pane_morrowfen/"

clean:
	rm -rf build dist
