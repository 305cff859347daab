# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The two everyday commands: `make run` and `make test`.
# Both install what a fresh Debian machine lacks, then configure and build.

BUILD   ?= build
JOBS    ?= $(shell nproc 2>/dev/null || echo 2)
SUDO    := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Build, test and screenshot tools; all from Debian. The screen-reader
# scenarios read the program over AT-SPI on a D-Bus session of their own, one
# of them through Orca, which speaks with espeak-ng (without it,
# speech-dispatcher has no voice and will not start); reuse checks every
# file's licence and copyright, and python3-debian reads .reuse/dep5 into the
# installed copyright file; Poppler's tools (poppler-utils) read the printed
# readings back from PDF. A saved reading is opened as file managers open it,
# through shared-mime-info's database, xdg-open (whose generic way asks
# libfile-mimeinfo-perl's mimetype for a file's type) and GLib's gio.
PACKAGES := cmake g++ make qt6-base-dev libgl-dev xvfb xauth x11-utils xdotool \
            fonts-dejavu-core desktop-file-utils appstream dpkg-dev file \
            openbox wmctrl faketime dbus-daemon at-spi2-core python3-pyatspi \
            libxtst-dev libxdamage-dev reuse python3-debian \
            orca speech-dispatcher speech-dispatcher-espeak-ng poppler-utils \
            shared-mime-info xdg-utils libfile-mimeinfo-perl libglib2.0-bin

# $(call install-missing,PACKAGES): installs those of PACKAGES that dpkg does
# not know as installed, with sudo when not root.
define install-missing
@missing=""; \
for p in $(1); do \
  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || missing="$$missing $$p"; \
done; \
if [ -n "$$missing" ]; then \
  echo "Installing:$$missing"; \
  $(SUDO) apt-get update -qq && \
  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
fi
endef

.PHONY: all deps configure build run test test-sanitize clean fuzz

all: build

deps:
	$(call install-missing,$(PACKAGES))

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DPALLASTRO_WERROR=ON

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/pallastro

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD)

# Install, package and benchmark rules.
-include packaging/packaging.mk

# Everything built with AddressSanitizer and UndefinedBehaviorSanitizer, then
# the whole suite. The leak suppressions are built into the programs
# (tests/sanitize/LeakSuppressions.cpp): the tests run some of them as a
# throwaway user, who may not be able to read the tree.
SANITIZE_BUILD ?= build-sanitize

test-sanitize: deps
	[ -f $(SANITIZE_BUILD)/CMakeCache.txt ] || cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DPALLASTRO_SANITIZE=ON -DPALLASTRO_WERROR=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=print_suppressions=0 \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

# Fuzzing with libFuzzer (clang, ASan, UBSan), not part of `make test`: the
# saved-reading parser (readingfile), the request a second copy hands the
# running one (handover) and the command line (commandline). `make fuzz` runs
# each target in turn for FUZZ_SECONDS, so the whole run takes three times
# that; `make fuzz-handover` (or fuzz-readingfile, fuzz-commandline) runs one.
# A target that finds a fault stops the run there; `make -k fuzz` goes on
# with the others.
# Each keeps its corpus in $(FUZZ_BUILD)/corpus/TARGET and what it finds in
# $(FUZZ_BUILD)/crashes/TARGET.
FUZZ_BUILD    ?= build-fuzz
FUZZ_SECONDS  ?= 60
FUZZ_PACKAGES := clang libclang-rt-14-dev cmake make qt6-base-dev
FUZZ_TARGETS  := readingfile handover commandline
# The longest input each is given: past the largest saved reading (4096) and
# the largest request (8192), so that what lies beyond is tried too.
FUZZ_MAX_LEN_readingfile := 8192
FUZZ_MAX_LEN_handover    := 8300
FUZZ_MAX_LEN_commandline := 4096

.PHONY: fuzz-build $(addprefix fuzz-,$(FUZZ_TARGETS))

fuzz: $(addprefix fuzz-,$(FUZZ_TARGETS))

fuzz-build:
	$(call install-missing,$(FUZZ_PACKAGES))
	[ -f $(FUZZ_BUILD)/CMakeCache.txt ] || cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DPALLASTRO_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(addprefix fuzz_,$(FUZZ_TARGETS))

$(addprefix fuzz-,$(FUZZ_TARGETS)): fuzz-%: fuzz-build
	mkdir -p $(FUZZ_BUILD)/corpus/$* $(FUZZ_BUILD)/crashes/$*
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  $(FUZZ_BUILD)/fuzz/fuzz_$* -max_total_time=$(FUZZ_SECONDS) -max_len=$(FUZZ_MAX_LEN_$*) -print_final_stats=1 -dict=fuzz/$*.dict \
	    -artifact_prefix=$(FUZZ_BUILD)/crashes/$*/ $(FUZZ_BUILD)/corpus/$* fuzz/seeds/$*
