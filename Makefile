# make test: install what is missing, build both configurations, run every test.
# make run:  install what is missing, build, and start a console under Wine: Tessaline, or the one
#            named by CONSOLE (make run CONSOLE=Corvella).
JOBS ?= $(shell nproc)
CONSOLE ?= Tessaline
console_folder := $(shell echo $(CONSOLE) | tr A-Z a-z)
NATIVE := build/native
WIN := build/win

.PHONY: all setup native win test run bench clean

all: native win

setup:
	@scripts/setup

native: setup
	@cmake -S . -B $(NATIVE) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	@cmake --build $(NATIVE) -j $(JOBS)

configure_win = cmake -S . -B $(WIN) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake >/dev/null

win: setup
	@$(configure_win)
	@cmake --build $(WIN) -j $(JOBS)

# One CTest run over both trees, so that its summary is the last line.
test: native win
	@printf 'subdirs("native" "win")\n' > build/CTestTestfile.cmake
	@MARIVO_SNAPSHOT_DIR=$(CURDIR)/build/snapshots \
	  scripts/wine-session ctest --test-dir build --output-on-failure -j $(JOBS)

# Only the console started and what it needs, not the whole Windows tree with its tests.
run: setup
	@$(configure_win)
	@cmake --build $(WIN) -j $(JOBS) --target $(CONSOLE)
	@cd $(WIN)/console/$(console_folder) && $(CURDIR)/scripts/wine-run ./$(CONSOLE).exe

# Benchmarks: optimised builds of their own, run once each; figures, not pass or fail.
bench: setup
	@cmake -S . -B build/bench-native -G Ninja -DCMAKE_BUILD_TYPE=Release -DMARIVO_BENCH=ON \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	@cmake --build build/bench-native --target bench_frame_parsing bench_codec bench_pixel_kernels \
	  bench_shape_geometry
	@build/bench-native/bench/bench_frame_parsing
	@build/bench-native/bench/bench_codec
	@build/bench-native/bench/bench_pixel_kernels
	@build/bench-native/bench/bench_shape_geometry
	@cmake -S . -B build/bench-win -G Ninja -DCMAKE_BUILD_TYPE=Release -DMARIVO_BENCH=ON \
	  -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake >/dev/null
	@cmake --build build/bench-win --target bench_tp_latency bench_referee_grid bench_traffic_log \
	  bench_gradient bench_regions bench_edit_keystroke bench_shape_paint bench_fill_panel \
	  bench_keypad_press bench_page_switch bench_start_up bench_empty_window Tessaline Corvella
	@JOBS=$(JOBS) scripts/bench-before
	@cd build/bench-win/bench && $(CURDIR)/scripts/wine-run ./bench_tp_latency.exe
	@cd build/bench-win/bench && $(CURDIR)/scripts/wine-run ./bench_referee_grid.exe
	@cd build/bench-win/bench && $(CURDIR)/scripts/wine-run ./bench_traffic_log.exe
	@cd build/bench-win/bench && $(CURDIR)/scripts/wine-run ./bench_gradient.exe
	@cd build/bench-win/bench && $(CURDIR)/scripts/wine-run ./bench_regions.exe
	@cd build/bench-win/bench && $(CURDIR)/scripts/wine-run ./bench_edit_keystroke.exe
	@cd build/bench-win/bench && $(CURDIR)/scripts/wine-run ./bench_shape_paint.exe
	@cd build/bench-win/bench && $(CURDIR)/scripts/wine-run ./bench_fill_panel.exe
	@cd build/bench-win/bench && $(CURDIR)/scripts/wine-run ./bench_keypad_press.exe
	@cd build/bench-win/bench && $(CURDIR)/scripts/wine-run ./bench_page_switch.exe
	@cd build/bench-win/bench && old=../../bench-before/build/console && \
	  if [ -f $$old/tessaline/Tessaline.exe ]; then \
	    set -- "Tessaline before|$$old/tessaline/Tessaline.exe|Opening" \
	      "Corvella before|$$old/corvella/Corvella.exe|Opening"; fi; \
	  $(CURDIR)/scripts/wine-run ./bench_start_up.exe 10 \
	    "empty window|bench_empty_window.exe|Empty window" \
	    "Tessaline|../console/tessaline/Tessaline.exe|Opening" \
	    "Corvella|../console/corvella/Corvella.exe|Opening" "$$@"

clean:
	rm -rf $(NATIVE) $(WIN)
