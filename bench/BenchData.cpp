#include "BenchData.h"

#include "catalogs/Catalogs.h"
#include "model/ModuleImage.h"
#include "model/ModuleLayout.h"

#include <map>

namespace pst::bench {

const Bytes& roylScript(int steps)
{
    static std::map<int, Bytes> cache;
    Bytes& b = cache[steps];
    if (!b.empty())
        return b;
    ModuleImage image(Bytes(56 + static_cast<std::size_t>(steps) * 136, 0));
    image.writeU32(kRoylMagic);
    image.seek(48);
    image.writeU16(1);
    image.writeU16(136);
    for (int i = 0; i < steps; ++i) {
        const std::size_t at = 56 + static_cast<std::size_t>(i) * 136;
        image.seek(at);
        image.writeU16(static_cast<std::uint16_t>(1 + i % 5000));
        image.seek(at + 0x48);
        for (int l = 0; l < 3; ++l)
            image.writeU16(static_cast<std::uint16_t>(i + 2));
        image.seek(at + 0x68);
        image.writeU16(static_cast<std::uint16_t>(i % 3 == 0 ? 0 : 0xFFFF));
    }
    b = image.data();
    return b;
}

const std::string& modDescr(int entries)
{
    static std::map<int, std::string> cache;
    std::string& s = cache[entries];
    if (!s.empty())
        return s;
    s = "[Desc]\r\n";
    for (int i = 1; i <= entries; ++i)
        s += descKey(static_cast<std::uint16_t>(i)) + "=Description of test number " + std::to_string(i) + "\r\n";
    return s;
}

Bytes image16M(bool roylMagic)
{
    Bytes b(16u << 20);
    for (std::size_t i = 0; i < b.size(); ++i)
        b[i] = static_cast<Byte>(i * 131 + (i >> 9));
    if (roylMagic)
        putU32(b, 0, kRoylMagic);
    else
        b[0] = 'X';
    return b;
}

} // namespace pst::bench
