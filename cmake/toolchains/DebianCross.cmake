# Shared part of the Debian cross toolchains: the including file sets SK_CROSS_TRIPLET,
# SK_CROSS_PROCESSOR, SK_CROSS_QEMU and SK_CROSS_DEB_ARCH (the package's architecture) first.
#
# Debian's cross compilers already look in the multiarch folders (/usr/include/<triplet>,
# /usr/lib/<triplet>), where the `:<arch>` development packages put their files, so no
# sysroot is needed. Programs the build runs (SKPACK, SKMAP) and the tests run under
# qemu-user through CMAKE_CROSSCOMPILING_EMULATOR. qemu gets no library prefix (-L): that
# would also move the program's own absolute paths, `/` included, into the prefix. The
# target's loader from libc6:<arch> in /lib finds the libraries on its own.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${SK_CROSS_PROCESSOR})
set(CMAKE_LIBRARY_ARCHITECTURE ${SK_CROSS_TRIPLET})

set(CMAKE_C_COMPILER ${SK_CROSS_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${SK_CROSS_TRIPLET}-g++)

find_program(SK_CROSS_EMULATOR ${SK_CROSS_QEMU} REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${SK_CROSS_EMULATOR})

# Only the target's own libraries: the host's .pc files would hand out amd64 libraries.
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/${SK_CROSS_TRIPLET}/pkgconfig:/usr/share/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")

# Header and library look-ups stay in the target's folders; build tools come from the host.
set(CMAKE_FIND_ROOT_PATH /usr/lib/${SK_CROSS_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
