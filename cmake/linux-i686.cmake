# The portable code built for 32-bit x86 Linux and run under qemu's user-mode emulation: on a
# machine that cannot execute 32-bit programs, this still checks what the portable code (the
# formula's numbers above all) computes in 32-bit code.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER i686-linux-gnu-g++)
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-i386-static)
