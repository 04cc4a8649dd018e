# Cross build for 32-bit ARM, hard float (Debian armhf):
#   cmake --toolchain cmake/toolchains/arm-linux-gnueabihf.cmake
set(SK_CROSS_TRIPLET arm-linux-gnueabihf)
set(SK_CROSS_PROCESSOR arm)
set(SK_CROSS_QEMU qemu-arm-static)
set(SK_CROSS_DEB_ARCH armhf)
include(${CMAKE_CURRENT_LIST_DIR}/DebianCross.cmake)
