// The SDL back-ends live in this folder; this unit keeps the library non-empty.
namespace sk::sdl_platform {
int Version() { return 1; }
}  // namespace sk::sdl_platform
