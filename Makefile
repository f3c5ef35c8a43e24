# The two commands of the README are `make run` and `make check`.
BUILD ?= build
SCENE ?= examples/demo.wrl
JOBS ?= 2
FUZZ_SECONDS ?= 600

.PHONY: all setup build run check fuzz

all: build

setup:
	@bash scripts/setup.sh

build: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORLEVAN_WERROR=ON >/dev/null
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/orlevan $(SCENE)

# The test suite, then every further check in scripts/check.d (in name order).
check: build
	bash scripts/avec-xvfb.sh ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	@for etape in scripts/check.d/*.sh; do \
	  [ -e "$$etape" ] || continue; echo "== $$etape"; bash "$$etape" || exit 1; done

# A fuzz campaign of FUZZ_SECONDS seconds over the reader and the generator, on one
# core (clang, libFuzzer); what it finds stays in build-fuzz/.
fuzz: setup
	bash scripts/fuzz.sh $(FUZZ_SECONDS)
