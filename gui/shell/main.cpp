#include "gui/shell/startup.h"
#include "labelsetupversion.h"

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    // Answered before the application object, which needs a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("labelsetup %s\n", LABELSETUP_VERSION);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf(
                "Usage: labelsetup [LANGUAGE] [--demo]\n\n"
                "  LANGUAGE   en, de, fr, nl, pt_BR or zh_TW: the window's language\n"
                "             (the system's language otherwise)\n"
                "  --demo     start with a simulated printer on 127.0.0.1\n"
                "  --version  the version\n"
                "  --help     this text\n");
            return 0;
        }
    }
    return runApplication(argc, argv);
}
