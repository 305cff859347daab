# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Included by the top-level Makefile.
#   make package        the Debian package, hardened and reproducible:
#                       $(BUILD_PACKAGE)/pallastro_<version>_<arch>.deb; with
#                       `make -C TREE package BUILD_PACKAGE=/some/folder`, that
#                       of TREE, built there (two such builds give the same bytes)
#   make check-package  the same, then lintian and hardening-check on it
#   make bench          start-up time and memory, and the time each window
#                       switch takes to paint, against a minimal Qt Widgets
#                       program: BENCH_RUNS runs of each (at least 15), every
#                       run kept in BENCH_RECORD

BENCH_RUNS   ?= 15
BENCH_RECORD ?= $(BUILD)/bench

.PHONY: package check-package bench

# The tree this file belongs to and the package's build folder, absolute:
# the compiler writes them as "." wherever a path ends up in the program.
PACKAGE_SOURCE := $(patsubst %/,%,$(dir $(abspath $(lastword $(MAKEFILE_LIST))/..)))
BUILD_PACKAGE  ?= build-package
PACKAGE_BUILD   = $(abspath $(BUILD_PACKAGE))

# The flags Debian builds its own packages with, from dpkg-buildflags, and
# the stack-clash and control-flow protection that Debian 13's adds under
# hardening=+all on amd64 but Debian 12's does not know.
PACKAGE_OPTIONS   := hardening=+all reproducible=+all
PACKAGE_HARDENING := -fstack-clash-protection -fcf-protection

# CPack gives the members of the .deb the mode the umask leaves. Every date
# is the release's (packaging/Release.cmake), which rcc reads while building.
package: deps
	umask 022 && cd $(PACKAGE_SOURCE) && \
	export DEB_BUILD_MAINT_OPTIONS="$(PACKAGE_OPTIONS)" && \
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPALLASTRO_WERROR=ON \
	    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
	    "-DCMAKE_CXX_FLAGS=$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS) $(PACKAGE_HARDENING) -ffile-prefix-map=$(PACKAGE_BUILD)=." \
	    "-DCMAKE_EXE_LINKER_FLAGS=$$(dpkg-buildflags --get LDFLAGS)" && \
	export SOURCE_DATE_EPOCH=$$(cat $(PACKAGE_BUILD)/source-date-epoch) && \
	cmake --build $(PACKAGE_BUILD) -j $(JOBS) --target pallastro && \
	cd $(PACKAGE_BUILD) && rm -f pallastro_*.deb && cpack --config CPackConfig.cmake
	@ls -1 $(PACKAGE_BUILD)/pallastro_*.deb

# The helpers are built outside the normal build (bench/CMakeLists.txt).
bench: configure
	cmake --build $(BUILD) -j $(JOBS) --target pallastro pallastro_bench_minimal pallastro_mapwait pallastro_switchwait
	mkdir -p $(BENCH_RECORD)
	bench/startup.sh -n $(BENCH_RUNS) -r $(BENCH_RECORD)/startup-runs.txt \
	    $(BUILD)/pallastro $(BUILD)/bench/pallastro_bench_minimal $(BUILD)/bench/pallastro_mapwait
	bench/switch.sh -n $(BENCH_RUNS) -r $(BENCH_RECORD)/switch-runs.txt \
	    $(BUILD)/pallastro $(BUILD)/bench/pallastro_bench_minimal $(BUILD)/bench/pallastro_switchwait

# Debian's checks on the package: lintian, hardening-check (devscripts)
# and readelf (binutils).
CHECK_PACKAGES := lintian devscripts binutils

check-package: package
	$(call install-missing,$(CHECK_PACKAGES))
	$(PACKAGE_SOURCE)/packaging/debian/check-package.sh \
	    $(PACKAGE_BUILD)/pallastro_*.deb $(PACKAGE_BUILD)/pallastro

# The Windows build, its packages and its tests under Wine.
include $(dir $(lastword $(MAKEFILE_LIST)))win64/win64.mk
