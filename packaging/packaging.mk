# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Included by the top-level Makefile.
#   make package   the Debian package, $(BUILD)/pallastro_<version>_<arch>.deb
#   make bench     start-up time and memory, and the time each window switch
#                  takes to paint, of Pallastro against a minimal Qt Widgets
#                  program; BENCH_RUNS runs of each (at least 15)

BENCH_RUNS ?= 15

.PHONY: package bench

package: build
	cd $(BUILD) && cpack --config CPackConfig.cmake
	@ls -1 $(BUILD)/pallastro_*.deb

bench: configure
	cmake --build $(BUILD) -j $(JOBS) --target pallastro pallastro_bench_minimal pallastro_mapwait pallastro_switchwait
	bench/startup.sh -n $(BENCH_RUNS) -r $(BUILD)/bench/startup-runs.txt \
	    $(BUILD)/pallastro $(BUILD)/bench/pallastro_bench_minimal $(BUILD)/bench/pallastro_mapwait
	bench/switch.sh -n $(BENCH_RUNS) -r $(BUILD)/bench/switch-runs.txt \
	    $(BUILD)/pallastro $(BUILD)/bench/pallastro_bench_minimal $(BUILD)/bench/pallastro_switchwait

# The Windows build, its packages and its tests under Wine.
include $(dir $(lastword $(MAKEFILE_LIST)))windows/windows.mk
