# make test   installs what is missing, builds both targets and the preview, runs every test
# make demo   builds the release package into dist/ with its SHA256SUMS, and the preview pictures into build/demo/preview/
# make bench  measures the settings load and the HUD frame against their floor
# make studio opens the layout studio on a working copy of the shipped settings (build/studio-settings)
# make fuzz   runs each libFuzzer target for FUZZ_SECONDS (default 180) under the sanitizers
# make soak   plays SOAK_FRAMES (100000) random frames, from SOAK_SEED, in the normal build and under the sanitizers
# make lint   clang-tidy and cppcheck over every source the builds compile; any finding fails
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# The busy scenario previewed at these screen sizes, for each of these RADAR_TYPE values.
PREVIEW_SCREENS = 1920x1080 1280x1024 3440x1440
PREVIEW_RADAR_TYPES = 1 2 3

# The fuzz targets' time each, the soak's length and seed (empty: a random one).
FUZZ_SECONDS ?= 180
SOAK_FRAMES ?= 100000
SOAK_SEED ?=
FUZZ_TARGETS = settings settings_memory frame
# Seeds read besides fuzz/corpus/<target>.
FUZZ_SEEDS = tests/settings/corpus data/slate_pane_morrowfen
# The targets' game folders and settings files on a memory file system where
# there is one: the frame target writes the layout file whenever an input
# changes a line of it, and a disk's journal made those writes slow.
FUZZ_TMPDIR = $(shell [ -d /dev/shm ] && [ -w /dev/shm ] && echo /dev/shm || echo $${TMPDIR:-/tmp})

# Where i386 programs run under qemu-i386 (tools/i386-mode: a kernel that runs
# none, or the emulator chosen), the Wine runs are skipped, and LeakSanitizer
# is off: its check at exit never returns there. AddressSanitizer and UBSan
# still check everything else; leaks are checked where i386 runs natively.
# The emulator's uname says i686, so AddressSanitizer lays out its shadow for
# a 32-bit kernel's 3 GiB, and fails a CHECK (AddrIsInMem) on memory the
# emulator maps outside it: the guest's address space is kept to 2.5 GiB
# (at 3 GiB, long runs of many plug-in loads still met that CHECK).
EMULATED = [ "$$(tools/i386-mode)" = emulated ]
SANITIZER_ENV = if $(EMULATED); then \
	  echo "make: leak checks off: LeakSanitizer does not finish under the emulator"; \
	  export ASAN_OPTIONS="detect_leaks=0$${ASAN_OPTIONS:+:$$ASAN_OPTIONS}" QEMU_RESERVED_VA=0xa0000000; \
	fi;

.PHONY: test demo bench native win32 preview preview-image deps clean native-asan fuzz soak studio studio-image lint

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
	cmake -S preview -B build/preview -DCMAKE_BUILD_TYPE=Release -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
	cmake --build build/preview -j $(JOBS)

# The plug-in, the reference host and the unit tests under AddressSanitizer
# and UndefinedBehaviorSanitizer; any finding stops the run.
native-asan:
	tools/install-deps native asan
	cmake --preset native-asan
	cmake --build --preset native-asan -j $(JOBS)

# The checks are in .clang-tidy and tools/lint-cppcheck.txt. Only the compile
# commands of the four builds are needed, so they are configured, not built;
# Google Benchmark is installed so that the benchmark's sources are checked too.
# Several minutes on two cores: CI runs it after make test (.ci/run).
lint:
	tools/install-deps native win32 preview asan bench lint
	cmake --preset native >/dev/null
	cmake --preset native-asan >/dev/null
	cmake --preset win32 >/dev/null
	cmake -S preview -B build/preview -DCMAKE_BUILD_TYPE=Release -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
	tools/lint -j $(JOBS)

test: native win32 preview native-asan
	tools/install-deps wine studio
	tools/check-dll build/win32/src/slatepane.asi
	tools/check-dll build/win32/tools/slatepane-check/slatepane-check.exe
	tools/check-reproducible
	tools/check-includes
	@if $(EMULATED); then echo "make test: Wine runs skipped: this kernel runs no 32-bit programs; the Windows build is tested only where it does"; fi
	ctest --test-dir build/preview -j $(JOBS) --output-on-failure
	ctest --preset native -j $(JOBS)
	$(SANITIZER_ENV) ctest --preset native-asan -j $(JOBS)

demo: native win32 preview
	rm -rf dist build/demo
	mkdir -p dist build/demo/preview
	cp build/win32/src/slatepane.asi dist/
	cp build/win32/tools/slatepane-check/slatepane-check.exe dist/
	cp -r data/slate_pane_morrowfen dist/
	build/preview/make_hud_dictionaries dist/slate_pane_morrowfen
	for scenario in docs/examples/*.json; do \
	  build/native/refhost/refhost --build 100 --plugin build/native/src/libslatepane.so \
	    --game-folder dist --scenario $$scenario \
	    --log build/demo/$$(basename $$scenario .json).log || exit 1; \
	done
	# The shipped settings with RADAR_TYPE set in a first line, which wins.
	for type in $(PREVIEW_RADAR_TYPES); do \
	  settings=build/demo/settings-radar$$type; \
	  cp -r data/slate_pane_morrowfen $$settings; \
	  { echo "RADAR_TYPE = $$type"; cat data/slate_pane_morrowfen/slatepane_VC.ini; } \
	    >$$settings/slatepane_VC.ini; \
	  for screen in $(PREVIEW_SCREENS); do \
	    tools/preview --settings $$settings --screen $$screen \
	      --out build/demo/preview/hud-$$screen-radar$$type.png >/dev/null || exit 1; \
	  done; \
	done
	# The layout studio for Windows, kept in the game folder.
	tools/package-studio dist/studio build/win32 build/preview
	# Every file a player copies, in the form sha256sum -c reads.
	cd dist && find . -type f ! -name SHA256SUMS -printf '%P\0' | \
	  LC_ALL=C sort -z | xargs -0 sha256sum >SHA256SUMS
	@echo "release package: dist/slatepane.asi, dist/slatepane-check.exe and dist/slate_pane_morrowfen/"
	@echo "their checksums: dist/SHA256SUMS (sha256sum -c SHA256SUMS)"
	@echo "the example scenarios played in the reference host; draw logs: build/demo/*.log"
	@echo "previews of the busy scenario: build/demo/preview/*.png"
	@echo "the layout studio for Windows: dist/studio/ (in the game folder, run studio\\slatepane-studio.exe)"

# The picture the README shows: the busy scenario at 1920 x 1080, RADAR_TYPE 1.
preview-image: native preview
	tools/preview --out docs/images/hud-preview.png

# The layout studio on a working copy of the shipped settings, made once and
# kept between runs; data/ itself is never edited.
studio: native preview
	[ -d build/studio-settings ] || cp -r data/slate_pane_morrowfen build/studio-settings
	tools/studio --settings build/studio-settings $(if $(STUDIO_PORT),--port $(STUDIO_PORT))

# The README's picture of the studio, taken by its browser test.
studio-image: native preview
	tools/install-deps studio
	SLATEPANE_STUDIO_SCREENSHOT=docs/images/studio.png tests/studio/run-browser-tests \
	  $(CURDIR) $(CURDIR)/build/native $(CURDIR)/build/preview $(CURDIR)/build/native/studio-browser

# Figures come from Google Benchmark in the native reference host; the plug-in
# DLL's size from the win32 build. Both builds are those make test uses.
bench: preview
	tools/install-deps native win32 bench
	cmake --preset native
	cmake --build --preset native -j $(JOBS) --target slatepane slatepane_bench
	cmake --preset win32
	cmake --build --preset win32 -j $(JOBS) --target slatepane
	@echo "machine: $$(uname -srm); $$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'); $$(nproc) CPUs"
	@echo "plug-in DLL, stripped: $$(stat -c %s build/win32/src/slatepane.asi) bytes (build/win32/src/slatepane.asi)"
	@if $(EMULATED); then echo "i386 programs run under qemu-i386 here: these figures come from an emulator and are not comparable with native ones"; fi
	build/native/bench/slatepane_bench
	tools/install-deps studio
	cmake --build --preset native -j $(JOBS) --target slatepane-studio refhost
	tests/studio/run-browser-tests --bench $(CURDIR) $(CURDIR)/build/native $(CURDIR)/build/preview \
	  $(CURDIR)/build/native/studio-bench

# New inputs go to build/fuzz/corpus/<target>, findings to build/fuzz/findings/;
# the committed seeds in fuzz/corpus/ are read, never written.
fuzz: preview
	tools/install-deps native fuzz
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS) --target $(addsuffix _fuzzer,$(FUZZ_TARGETS))
	mkdir -p build/fuzz/findings $(addprefix build/fuzz/corpus/,$(FUZZ_TARGETS))
	$(SANITIZER_ENV) export TMPDIR=$(FUZZ_TMPDIR); for target in $(FUZZ_TARGETS); do \
	  build/fuzz/fuzz/$${target}_fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=build/fuzz/findings/$$target- \
	    build/fuzz/corpus/$$target fuzz/corpus/$$target \
	    $$(case $$target in settings*) echo $(FUZZ_SEEDS);; esac) || exit 1; \
	done

# The same frames in the normal build and under the sanitizers: each fails on
# more than 1 MiB of resident memory grown after the first fifth of the run.
SOAK_SEED_RUN = $(if $(SOAK_SEED),$(SOAK_SEED),$$(od -An -N4 -tu4 /dev/urandom | tr -d ' '))
soak: native native-asan preview
	seed=$(SOAK_SEED_RUN); \
	fuzz/run-soak . build/native/fuzz/slatepane_soak --frames $(SOAK_FRAMES) --seed $$seed && \
	{ $(SANITIZER_ENV) fuzz/run-soak . build/native-asan/fuzz/slatepane_soak --frames $(SOAK_FRAMES) --seed $$seed; }

clean:
	rm -rf build dist
