# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Included by packaging/packaging.mk.
#   make windows        pallastro.exe for 64-bit Windows, cross-built here, in
#                       $(WINDOWS_BUILD): its folder (dist/Pallastro), the zip
#                       Pallastro-<version>-win64.zip and the installer
#                       Pallastro-<version>-setup.exe
#   make test-windows   the same with the tests, which then run under Wine
#   make reproducible   the .deb, the zip and the installer built twice by
#                       reprotest and compared
# The first two leave SHA256SUMS beside the packages. The Qt they link is
# built from Debian's Qt source by build-qt.sh, once per machine (about half
# an hour), and cached outside the work tree.

WINDOWS_BUILD ?= build-windows

# The cross compiler, the Qt host tools and the Qt source's needs, the
# packaging tools (python3-debian reads the Qt source's .dsc), and Wine with an
# X server to run the tests under (xclip reads message texts off the
# clipboard, python3 edits exported registry files, Poppler's tools read the
# readings the Windows build printed into PDF files).
WINDOWS_PACKAGES := cmake make ninja-build g++-mingw-w64-x86-64-posix mingw-w64-tools \
                    qt6-base-dev qt6-base-dev-tools libgl-dev dpkg-dev xz-utils \
                    nsis zip python3-debian wine wine64 \
                    xvfb xauth openbox xdotool wmctrl x11-utils xclip python3 fonts-dejavu-core \
                    poppler-utils

.PHONY: windows-deps windows-configure windows test-windows reproducible

# Every date in the Windows packages is the release's, which CMake works out
# (packaging/Release.cmake); the Qt resource compiler reads it while building.
windows-build = SOURCE_DATE_EPOCH=$$(cat $(WINDOWS_BUILD)/source-date-epoch) cmake --build $(WINDOWS_BUILD) -j $(JOBS)

# Listed in SHA256SUMS when it exists (looked for when the list is written),
# in the build folder or the package's own (BUILD_PACKAGE) when there is one.
DEB_PACKAGES ?= $(wildcard $(addsuffix /pallastro_*.deb,$(BUILD) $(BUILD_PACKAGE)))
# By file name alone, so that a download is checked wherever it was saved.
windows-checksums = for f in $$(cat $(WINDOWS_BUILD)/packages.txt) $(DEB_PACKAGES); do \
	    (cd $$(dirname $$f) && sha256sum $$(basename $$f)) || exit 1; done >$(WINDOWS_BUILD)/SHA256SUMS && \
	LC_ALL=C sort -k2 -o $(WINDOWS_BUILD)/SHA256SUMS $(WINDOWS_BUILD)/SHA256SUMS && cat $(WINDOWS_BUILD)/SHA256SUMS

windows-deps:
	$(call install-missing,$(WINDOWS_PACKAGES))

# Configured every time against the prefix build-qt.sh prints: a new Qt
# (new source version or options) lands in a new prefix. The repository's
# toolchain file is chain-loaded by name, so the prefix can move.
windows-configure: windows-deps
	@prefix=$$(packaging/win64/build-qt.sh) && \
	cmake -S . -B $(WINDOWS_BUILD) -G Ninja \
	    -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=$$prefix/lib/cmake/Qt6/qt.toolchain.cmake \
	    -DQT_CHAINLOAD_TOOLCHAIN_FILE=$(CURDIR)/packaging/win64/mingw64.toolchain.cmake \
	    -DQT_HOST_PATH=/usr \
	    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
	    -DCMAKE_CROSSCOMPILING_EMULATOR=$(CURDIR)/tests/wine/wine-run.sh

windows: windows-configure
	$(windows-build) --target windows-dist
	$(windows-checksums)

test-windows: windows
	$(windows-build)
	tests/wine/run-suites.sh $(WINDOWS_BUILD) -j $(JOBS)

# Not part of CI: reprotest builds a fresh clone of the current commit twice,
# the second time varying all it can here (the build path, the time, the time
# zone, an Estonian locale from locales-all, the umask, the order of folder
# entries by disorderfs, HOME, the host and domain names, the kernel and CPUs
# seen, address-space randomisation, PATH and the environment), both times on
# the cached Qt for Windows (PALLASTRO_CACHE, as HOME changes). Not the user:
# reprotest mounts disorderfs as that user, and FUSE is root's alone on the
# machines this was made on. Nor the time when the Windows part is built:
# under Debian 12's libfaketime, dpkg-source cannot unpack the Qt source.
# REPRODUCIBLE_PARTS picks among deb and windows; REPRODUCIBLE_OUT keeps both
# builds' packages and diffoscope's report of any difference.
REPRODUCIBLE_PARTS    ?= deb windows
REPRODUCIBLE_OUT      ?= build-reproducible
REPRODUCIBLE_PACKAGES := git reprotest diffoscope-minimal disorderfs faketime locales-all
reproducible-make-deb      := package
reproducible-make-windows  := windows
reproducible-files-deb     := build-package/*.deb
reproducible-files-windows := build-windows/*.zip build-windows/*-setup.exe build-windows/*-source.tar
reproducible-windows       := $(filter windows,$(REPRODUCIBLE_PARTS))
comma := ,

reproducible: deps $(if $(reproducible-windows),windows-deps)
	$(call install-missing,$(REPRODUCIBLE_PACKAGES))
	@git diff --quiet HEAD || echo "note: the changes not committed are not built"
	rm -rf $(REPRODUCIBLE_OUT)
	source=$$(mktemp -d) && trap 'rm -rf "$$source"' EXIT && git clone -q . "$$source" && \
	$(if $(reproducible-windows),cache=$$(dirname "$$(packaging/win64/build-qt.sh)") && \
	    packaging/win64/build-qt.sh --source >/dev/null &&) \
	reprotest --verbosity 1 --variations=+all,-user_group$(if $(reproducible-windows),$(comma)-time) --store-dir $(REPRODUCIBLE_OUT) \
	    --source-root "$$source" \
	    "$(if $(reproducible-windows),PALLASTRO_CACHE=$$cache) make $(foreach p,$(REPRODUCIBLE_PARTS),$(reproducible-make-$(p))) JOBS=$(JOBS)" \
	    "$(foreach p,$(REPRODUCIBLE_PARTS),$(reproducible-files-$(p)))"
