// A driver library that lacks most operations, for the loader's tests.
#include <cstdint>

extern "C" __attribute__((visibility("default"))) std::int32_t TestaComunicacao(std::int32_t) {
    return 0;
}
