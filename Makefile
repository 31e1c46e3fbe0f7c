# Two entry points: `make run` and `make test`. Both install what is missing first.
BUILD      ?= build
TIPO       ?= Debug
PASTA_PLANOS ?= $(HOME)/Sorvane
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
PREFIX     ?= /usr/local
# Extra CMake options for the build folder, e.g. OPCOES=-DSORVANE_AVISOS_COMO_ERROS=ON (CI).
OPCOES     ?=

.PHONY: run test build configure dependencias clean install sanitize fuzz e2e bench bench-compilar \
	bench-instrucoes deb e2e-deb formatar formato

dependencias:
	@bash scripts/instalar-dependencias

configure: dependencias
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(TIPO) $(OPCOES) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# The program writes config.ini and plans into its working folder, so it runs
# outside the source tree.
run: build
	@mkdir -p "$(PASTA_PLANOS)"
	@cd "$(PASTA_PLANOS)" && "$(CURDIR)/$(BUILD)/sorvane"

test: build formato
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Every C++ file of the tree as .clang-format lays it out: `formatar` applies it, `formato`
# (part of `make test`, a few seconds) fails on the first file that is not.
CLANG_FORMAT ?= clang-format-14
FONTES_CPP = git ls-files -z '*.cpp' '*.h' | xargs -0
formatar: dependencias
	@$(FONTES_CPP) $(CLANG_FORMAT) -i
formato: dependencias
	@$(FONTES_CPP) $(CLANG_FORMAT) --dry-run --Werror

# The real program in a real X server (Xvfb), driven with xdotool; also part of `make test`.
e2e: build
	@bash tests/e2e/e2e.sh $(BUILD)/sorvane

# The program, its guide, its icon, its menu entry and the plan's file type under $(PREFIX)
# (root for /usr/local).
install: build
	@cmake --install $(BUILD) --prefix "$(PREFIX)"
	@# The desktop learns the plan file's type and that this program opens it.
	@if command -v update-mime-database >/dev/null; then \
		update-mime-database "$(PREFIX)/share/mime"; fi
	@if command -v update-desktop-database >/dev/null; then \
		update-desktop-database -q "$(PREFIX)/share/applications"; fi

# The Debian package, from a Release build of its own for /usr with Debian's hardening flags:
# build-deb/sorvane_<version>_<arch>.deb, then lintian, which fails on errors and lists warnings.
BUILD_DEB ?= build-deb
BANDEIRAS_DEB = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
deb: dependencias
	@cmake -S . -B $(BUILD_DEB) -G Ninja -DCMAKE_BUILD_TYPE=Release -DSORVANE_TESTES=OFF \
		-DCMAKE_INSTALL_PREFIX=/usr \
		-DCMAKE_CXX_FLAGS="$$($(BANDEIRAS_DEB) CXXFLAGS) $$($(BANDEIRAS_DEB) CPPFLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$$($(BANDEIRAS_DEB) LDFLAGS)" >/dev/null
	@cmake --build $(BUILD_DEB) -j $(JOBS)
	@rm -f $(BUILD_DEB)/sorvane_*.deb
	@cd $(BUILD_DEB) && cpack -G DEB >/dev/null
	@ls $(BUILD_DEB)/sorvane_*.deb
	@lintian --fail-on error $(BUILD_DEB)/sorvane_*.deb

# The package installed into this system with apt, started from its menu entry under Xvfb,
# and removed again: needs root. Part of CI (.ci/run), not of `make test`.
e2e-deb: deb
	@bash tests/e2e/pacote.sh $(BUILD_DEB)/sorvane_*.deb

clean:
	@rm -rf $(BUILD)

# The whole test suite under AddressSanitizer (leaks included) and UndefinedBehaviorSanitizer.
sanitize: dependencias
	@cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSORVANE_SANITIZADORES=ON >/dev/null
	@cmake --build build-san -j $(JOBS)
	@cd build-san && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

# A time-bounded fuzzing campaign: every fast target (one reader or builder each) and the plan
# fuzzer, SEGUNDOS each, one after another, with a table of runs, runs per second and coverage
# (docs/confiabilidade.md). Findings land in build-fuzz/achados/; a finding kept for good goes
# to tests/confiabilidade/casos/.
SEGUNDOS ?= 60
fuzz: dependencias
	@CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DSORVANE_FUZZ=ON -DSORVANE_TESTES=OFF >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target fuzz_xml fuzz_analise fuzz_documentos \
		fuzz_organograma fuzz_plano
	@bash fuzz/campanha build-fuzz $(SEGUNDOS)

# The benchmark of what the user waits for on the largest plan, in a Release build of its own,
# printing one table of times, floors and ratios, then the start-up against a bare Qt program
# showing the same first screen (scripts/medir-inicio).
bench: bench-compilar
	@build-bench/bench/bench_sorvane
	@bash scripts/medir-inicio build-bench

bench-compilar: dependencias
	@cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DSORVANE_TESTES=OFF \
		-DSORVANE_BENCH=ON >/dev/null
	@cmake --build build-bench -j $(JOBS) --target bench_sorvane dialogo_minimo sorvane

# The same rows under callgrind: the instructions of one run of each row's timed part, beside
# its floor's, which a loaded machine does not disturb. FILTRO picks rows (a regular
# expression over their names), e.g. make bench-instrucoes FILTRO='^(abrir|salvar)'.
FILTRO ?= .
INSTRUCOES = $(CURDIR)/build-bench/instrucoes
bench-instrucoes: bench-compilar
	@rm -rf "$(INSTRUCOES)" && mkdir -p "$(INSTRUCOES)"
	@valgrind --tool=callgrind --collect-atstart=no --callgrind-out-file="$(INSTRUCOES)/callgrind.out" \
		build-bench/bench/bench_sorvane --instrucoes --benchmark_filter='$(FILTRO)' >/dev/null \
		2>"$(INSTRUCOES)/valgrind.log"
	@python3 scripts/tabela-instrucoes "$(INSTRUCOES)"
