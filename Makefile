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
	tools/install-deps wine
	tools/check-dll build/win32/src/slatepane.asi
	tools/check-dll build/win32/tools/slatepane-check/slatepane-check.exe
	ctest --preset native -j $(JOBS)

demo: native win32
	rm -rf dist build/demo
	mkdir -p dist build/demo
	cp build/win32/src/slatepane.asi dist/
	cp build/win32/tools/slatepane-check/slatepane-check.exe dist/
	cp -r data/slate_pane_morrowfen dist/
	build/native/refhost/make_hud_dictionaries dist/slate_pane_morrowfen
	for scenario in docs/examples/*.json; do \
	  build/native/refhost/refhost --build 100 --plugin build/native/src/libslatepane.so \
	    --game-folder dist --scenario $$scenario \
	    --log build/demo/$$(basename $$scenario .json).log || exit 1; \
	done
	@echo "release package: dist/slatepane.asi, dist/slatepane-check.exe and dist/slate_pane_morrowfen/"
	@echo "the example scenarios played in the reference host; draw logs: build/demo/*.log"

clean:
	rm -rf build dist
