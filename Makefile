# Two commands: `make demo` plays the bundled example, `make test` runs every test.
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: demo test deps build clean

deps:
	@sh scripts/ensure-deps.sh

build: deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300

demo: build
	sh scripts/demo.sh $(BUILD)

clean:
	rm -rf $(BUILD)
