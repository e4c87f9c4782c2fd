// libFuzzer target for the shortcut (.lnk) reader: any bytes must give a text or the
// empty text, never a read outside the buffer.
#include "formats/ShellLink.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    shellLinkTarget(bytes, QStringLiteral("C:\\Usuarios\\ana\\Escritorio"));
    shellLinkTarget(bytes, QStringLiteral("/home/ana/Escritorio"));
    return 0;
}
