# The README's commands. Everything builds into build/; executables land in build/bin/.
.PHONY: deps build test check run bench clean

JOBS ?= $(shell nproc)

deps:
	@bash tools/install-deps.sh

build: deps
	cmake --preset default
	cmake --build --preset default -j $(JOBS)

test: build
	ctest --preset default -j $(JOBS)

check: deps
	cmake --preset check
	cmake --build --preset check -j $(JOBS)
	ctest --preset check -j $(JOBS)

# The sample league goes into the application directory the first time only,
# so a GM's own league there is never overwritten.
run: build
	@ls build/bin/*.lge >/dev/null 2>&1 || build/bin/rinkdesk-sample-league build/bin/Sample
	build/bin/rinkdesk

bench: build
	build/bin/rinkdesk-bench

clean:
	rm -rf build
