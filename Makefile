# make test   installs what is missing, builds both targets, runs every test
# make demo   builds the release package into dist/
# make bench  measures the settings load and the HUD frame against their floor
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: test demo bench native win32 deps clean

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

# Figures come from Google Benchmark in the native reference host; the plug-in
# DLL's size from the win32 build. Both builds are those make test uses.
bench:
	tools/install-deps native win32 bench
	cmake --preset native
	cmake --build --preset native -j $(JOBS) --target slatepane slatepane_bench
	cmake --preset win32
	cmake --build --preset win32 -j $(JOBS) --target slatepane
	@echo "machine: $$(uname -srm); $$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'); $$(nproc) CPUs"
	@echo "plug-in DLL, stripped: $$(stat -c %s build/win32/src/slatepane.asi) bytes (build/win32/src/slatepane.asi)"
	build/native/bench/slatepane_bench

clean:
	rm -rf build dist
