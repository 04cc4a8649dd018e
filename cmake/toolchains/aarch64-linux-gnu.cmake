# Cross build for 64-bit ARM (Debian arm64): cmake --toolchain cmake/toolchains/aarch64-linux-gnu.cmake
set(SK_CROSS_TRIPLET aarch64-linux-gnu)
set(SK_CROSS_PROCESSOR aarch64)
set(SK_CROSS_QEMU qemu-aarch64-static)
set(SK_CROSS_DEB_ARCH arm64)
include(${CMAKE_CURRENT_LIST_DIR}/DebianCross.cmake)
