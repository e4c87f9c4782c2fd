// libFuzzer target for the Internet shortcut (.url) reader: any bytes give an address or
// the empty text.
#include "formats/InternetShortcut.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    InternetShortcut::address(InternetShortcut::decode(bytes));
    return 0;
}
