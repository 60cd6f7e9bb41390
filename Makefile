# make test   installs what is missing, builds both targets and the preview, runs every test
# make demo   builds the release package into dist/
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: test demo native win32 preview deps clean

deps:
	tools/install-deps native win32 wine preview

native:
	tools/install-deps native
	cmake --preset native
	cmake --build --preset native -j $(JOBS)

win32:
	tools/install-deps win32
	cmake --preset win32
	cmake --build --preset win32 -j $(JOBS)

# The HUD preview and the texture dictionaries' art, for the build machine's
# own architecture (Cairo).
preview:
	tools/install-deps preview
	cmake -S preview -B build/preview -DCMAKE_BUILD_TYPE=Release
	cmake --build build/preview -j $(JOBS)

test: native win32 preview
	tools/install-deps wine
	tools/check-dll build/win32/src/slatepane.asi
	ctest --test-dir build/preview -j $(JOBS) --output-on-failure
	ctest --preset native -j $(JOBS)

demo: native win32 preview
	rm -rf dist build/demo
	mkdir -p dist build/demo
	cp build/win32/src/slatepane.asi dist/
	cp -r data/slate_pane_morrowfen dist/
	build/preview/make_hud_dictionaries dist/slate_pane_morrowfen
	for scenario in docs/examples/*.json; do \
	  build/native/refhost/refhost --build 100 --plugin build/native/src/libslatepane.so \
	    --game-folder dist --scenario $$scenario \
	    --log build/demo/$$(basename $$scenario .json).log || exit 1; \
	done
	@echo "release package: dist/slatepane.asi and dist/slate_pane_morrowfen/"
	@echo "the example scenarios played in the reference host; draw logs: build/demo/*.log"

clean:
	rm -rf build dist
