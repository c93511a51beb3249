#pragma once

namespace staverly {

// The whole program from its command line: --help and --version, or the
// window with the real devices until it closes.
class Program
{
public:
    static int run(int argc, char *argv[], const char *version, const char *desktopId);
};

} // namespace staverly
