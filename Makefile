# Two entry points: `make run` and `make test`. Both install what is missing first.
BUILD      ?= build
TIPO       ?= Debug
PASTA_PLANOS ?= $(HOME)/Sorvane
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
PREFIX     ?= /usr/local

.PHONY: run test build configure dependencias clean install

dependencias:
	@bash scripts/instalar-dependencias

configure: dependencias
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(TIPO) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# The program writes config.ini and plans into its working folder, so it runs
# outside the source tree.
run: build
	@mkdir -p "$(PASTA_PLANOS)"
	@cd "$(PASTA_PLANOS)" && "$(CURDIR)/$(BUILD)/sorvane"

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The program, its guide, its icon and its menu entry under $(PREFIX) (root for /usr/local).
install: build
	@cmake --install $(BUILD) --prefix "$(PREFIX)"

clean:
	@rm -rf $(BUILD)
