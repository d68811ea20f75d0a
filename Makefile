# The two commands of the README, `make run` and `make test`; `make dist` for the Windows installer
# and zip; `make deb` for the Debian packages; `make soak` for a long run of random user actions
# (ACTIONS, default 20000; SEED, default 1). All do their set-up themselves.
SHELL := /bin/bash
JOBS ?= 2
NATIVE := build/native
WIN32 := build/win32
FUZZ := build/fuzz
# Seconds each fuzz target runs in `make fuzz` (RUNS, when given, stops each after that many
# executions); `make test` runs each for 10 seconds as a smoke run.
SECONDS ?= 60
RUNS ?= -1

.PHONY: run test dist deb test-deb soak cli python setup native win32 test-native test-win32 \
        test-python fuzz test-fuzz format clean

setup:
	bash scripts/setup.sh

native: setup
	cmake -S . -B $(NATIVE) -DQC_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(NATIVE) -j $(JOBS)

win32: setup
	cmake -S . -B $(WIN32) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake -DCMAKE_BUILD_TYPE=Release
	cmake --build $(WIN32) -j $(JOBS)

# The command line, optimised and without sanitizers: build/release/quorlin, and its manual page
# build/release/quorlin.1.
cli: setup
	cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release
	cmake --build build/release -j $(JOBS) --target quorlin manual

# The Python module for Debian's own interpreter (not a python3 earlier on PATH), optimised and
# without sanitizers, with the quorlin program its tests compare with; then its wheel, made
# offline from Debian's setuptools and wheel: build/python/dist/quorlin-*.whl.
PYTHON := /usr/bin/python3
PYBUILD := build/python
python: setup
	cmake -S . -B $(PYBUILD) -DCMAKE_BUILD_TYPE=Release -DQC_PYTHON=ON -DPython_EXECUTABLE=$(PYTHON)
	cmake --build $(PYBUILD) -j $(JOBS) --target quorlin_python quorlin
	rm -rf $(PYBUILD)/dist $(PYBUILD)/package/build $(PYBUILD)/package/*.egg-info
	cd $(PYBUILD)/package && PYTHONWARNINGS=ignore $(PYTHON) setup.py -q bdist_wheel --dist-dir ../dist
	ls $(PYBUILD)/dist/*.whl

test-python: python
	cd $(PYBUILD) && ctest -R '^python$$' --output-on-failure

test-native: native
	cd $(NATIVE) && ctest --output-on-failure

# A machine that cannot run 32-bit programs runs these suites on a 64-bit build under wine64
# instead (scripts/test-win64.sh), and says so; the 32-bit programs are still built there.
test-win32: setup
	if [ "$$(bash scripts/wine-bits.sh)" = 32 ]; then \
	    $(MAKE) win32 && bash scripts/wine-prefix.sh build/wine/unit && cd $(WIN32) && ctest --output-on-failure; \
	else \
	    cmake -S . -B $(WIN32) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake -DCMAKE_BUILD_TYPE=Release && \
	    cmake --build $(WIN32) -j $(JOBS) --target QuorlinConversion quorlin && \
	    JOBS=$(JOBS) bash scripts/test-win64.sh; \
	fi

# The libFuzzer targets of tests/fuzz (clang), each run on a copy of its seed corpus; any
# finding fails the run and is kept under build/fuzz/runs/<target>/findings/.
define fuzz_run
	cmake -S . -B $(FUZZ) -DQC_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQC_FUZZ_SECONDS=$(1) -DQC_FUZZ_RUNS=$(2)
	cmake --build $(FUZZ) -j $(JOBS)
	cd $(FUZZ) && { ctest --output-on-failure; status=$$?; grep -H '^Done' runs/*/fuzz.log; exit $$status; }
endef

fuzz: setup
	$(call fuzz_run,$(SECONDS),$(RUNS))

test-fuzz: setup
	$(call fuzz_run,10,-1)

test: test-native test-python test-win32 test-fuzz test-deb

run: win32
	bash scripts/run.sh

dist: win32
	bash scripts/dist.sh $(WIN32) dist

# The Debian packages of the program, its library and its Python module, in dist/.
deb: setup
	bash scripts/deb.sh build/deb dist

# The packages' contents, an install on this machine, the installed program, manual page,
# completion and module, and a purge that leaves the machine as it was.
test-deb: deb
	bash scripts/deb-check.sh dist

ACTIONS ?= 20000
SEED ?= 1
soak: win32
	QC_SOAK_ACTIONS=$(ACTIONS) QC_SOAK_SEED=$(SEED) bash scripts/e2e.sh \
	    $(WIN32)/QuorlinConversion.exe $(WIN32)/e2e_driver.exe 'Soak*'
	grep -ah 'soak:' build/e2e-artifacts/Soak*.log

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build dist
