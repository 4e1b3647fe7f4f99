// The process entry of a Fenstro program: the framework's start-up and loop, then the end
// of the process, also of a program thread that still runs.
#include "fenstro_internal.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    ExitProcess(static_cast<UINT>(FenstroMain(instance, showCommand)));
}
