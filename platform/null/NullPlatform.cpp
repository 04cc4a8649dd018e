// Headless back-ends live in this folder; this unit keeps the library non-empty.
namespace sk::null_platform {
int Version() { return 1; }
}  // namespace sk::null_platform
