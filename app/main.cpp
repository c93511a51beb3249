// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

int main(int argc, char *argv[])
{
    return staverly::Program::run(argc, argv, STAVERLY_VERSION, STAVERLY_APP_ID);
}
