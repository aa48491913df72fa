// Writes the built-in template module "ID0028" (the module a dropped step
// text file is imported into) from its definition in the core, so that the
// bytes the window carries are never edited by hand.
//
//     pst_make_template OUTPUT

#include "model/TemplateModule.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: pst_make_template OUTPUT\n");
        return 2;
    }
    const pst::Bytes bytes = pst::BuildTemplateModule();
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "pst_make_template: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
