# The two commands of the README are `make run` and `make check`.
BUILD ?= build
SCENE ?= examples/demo.wrl
JOBS ?= 2
FUZZ_SECONDS ?= 600

.PHONY: all setup setup-run build build-run run check bench fuzz paquet images

all: build

# The Debian packages: `run` those that building and running the viewer need,
# `check` those and what the checks, benchmarks and fuzzing need (scripts/setup.sh).
setup:
	@bash scripts/setup.sh check
setup-run:
	@bash scripts/setup.sh run

# The user's build: the viewer and what it links, warnings shown but not errors, no
# test, benchmark or fuzz target. Both builds share $(BUILD): each configures it with
# its own options, so either may follow the other.
build-run: setup-run
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORLEVAN_WERROR=OFF \
	  -DBUILD_TESTING=OFF >/dev/null
	cmake --build $(BUILD) -j $(JOBS) --target orlevan

run: build-run
	$(BUILD)/orlevan $(SCENE)

# The checks' build: everything, the tests included, warnings as errors.
build: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORLEVAN_WERROR=ON \
	  -DBUILD_TESTING=ON >/dev/null
	cmake --build $(BUILD) -j $(JOBS)

# The test suite, then every further check in scripts/check.d (in name order).
check: build
	bash scripts/avec-xvfb.sh ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	@for etape in scripts/check.d/*.sh; do \
	  [ -e "$$etape" ] || continue; echo "== $$etape"; bash "$$etape" || exit 1; done

# The benchmarks, each beside its floor (bench/RESULTS.md), under an X server of their
# own, then the instruction count of a frame under callgrind. The input scenes are
# written into the build folder, never into the sources.
BENCH_ENTREES = $(BUILD)/bench/entrees
BENCH_OPTIONS ?= --benchmark_repetitions=5 --benchmark_display_aggregates_only=true \
  --benchmark_out=$(BUILD)/bench/resultats.json --benchmark_out_format=json
bench: build
	@mkdir -p $(BENCH_ENTREES)
	@for n in 4 100 1000 10000; do \
	  bash bench/genere-scene.sh $$n >$(BENCH_ENTREES)/scene-$$n.wrl || exit 1; done
	@bash bench/genere-scene.sh -o 20000000 >$(BENCH_ENTREES)/scene-20M.wrl
	@bash bench/genere-scene.sh -c -o 20000000 >$(BENCH_ENTREES)/scene-20M-complet.wrl
	@bash bench/genere-maillage.sh 708 >$(BENCH_ENTREES)/maillage-1M.wrl
	bash scripts/avec-xvfb.sh $(BUILD)/bench/orlevan_bench $(BENCH_ENTREES) $(BENCH_OPTIONS)
	bash scripts/avec-xvfb.sh bash bench/callgrind.sh $(BUILD)/bench/orlevan_bench $(BENCH_ENTREES)
	bash bench/compile-maillage.sh $(BUILD) $(BENCH_ENTREES)/maillage-1M.wrl

# The README's pictures, drawn from examples/ by orlevan-export --png with no display.
IMAGES = examples/images
CORPUS = ../shared/corpus/vrml1
images: build
	@mkdir -p $(IMAGES)
	$(BUILD)/orlevan-export --png $(IMAGES)/demo.png examples/demo.wrl
	$(BUILD)/orlevan-export --fil-de-fer -n 24 --png $(IMAGES)/demo-fil-de-fer.png examples/demo.wrl
	@if [ -d $(CORPUS) ]; then set -e; \
	  $(BUILD)/orlevan-export --vrml1 --png $(IMAGES)/araignee-vrml1.png \
	    $(CORPUS)/shadow_maps__spider_stand_without_shadow.wrl; \
	  $(BUILD)/orlevan-export --vrml1 --png $(IMAGES)/salle-vrml1.png \
	    $(CORPUS)/water__water_using_cubemap_reflections__castle_hall_for_water_demo.wrl; \
	else echo "images: no $(CORPUS); the pictures of real files are kept as they are"; fi

# A fuzz campaign of FUZZ_SECONDS seconds over the reader and the generator, on one
# core (clang, libFuzzer); what it finds stays in build-fuzz/.
fuzz: setup
	bash scripts/fuzz.sh $(FUZZ_SECONDS)

# The Debian packages orlevan and liborlevan-dev, written into the build folder
# (paquet/CMakeLists.txt says what goes into each).
paquet: build
	cd $(BUILD) && cpack -G DEB
