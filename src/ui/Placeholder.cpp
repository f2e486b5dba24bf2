// Placeholder until this subsystem has sources.
namespace {
[[maybe_unused]] constexpr int uiPlaceholder = 0;
}
