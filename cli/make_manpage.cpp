// Writes pstool's manual page (pstool.1) from the text of pstool --help; run
// by the build.
//
//     pst_make_manpage FILE

#include "cli/HelpText.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("Usage: pst_make_manpage FILE\n", stderr);
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << pst::cli::manPageText();
    out.close();
    if (!out) {
        std::fprintf(stderr, "pst_make_manpage: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
